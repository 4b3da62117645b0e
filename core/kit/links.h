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
// An outside reference page about germanium radios (the diode simulation
// page's "探検 ゲルマラジオ").
inline constexpr const char* kGermaniumRadioPage = "https://germanium.example.org/germanium/index.html";
// The measured characteristics of the two earphones (the earphone page), both
// on one site and opened with one query.
inline constexpr const char* kCeramicEarphoneReport = "https://quelm.example.org/report/s100.htm";
inline constexpr const char* kCrystalEarphoneReport = "https://quelm.example.org/report/s200.htm";
inline constexpr const char* kEarphoneReportQuery = "?v=QUELM20";

} // namespace links
