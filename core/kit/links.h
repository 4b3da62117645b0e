#pragma once
// Where the program's links lead: the only outside addresses it knows. It
// never opens them itself but hands them to the desktop (kit::OpenLink). The
// labels show the pages without their queries.
namespace links {

// The information page (home page, notice).
inline constexpr const char* kInformationPage = "https://quelm.example.org/info/";
inline constexpr const char* kInformationQuery = "?v=QUELM20";
// The contact mail address (opened as "mailto:" + address).
inline constexpr const char* kContactAddress = "quelm@example.org";
// The report on the simple medium-wave antenna analyzer (its page in the
// antenna circuit).
inline constexpr const char* kAnalyzerReport = "https://quelm.example.org/antenna-analyzer/";
inline constexpr const char* kAnalyzerQuery = "?v=QUELM18";

} // namespace links
