#pragma once
// Where the home page's two links lead. These are the only outside addresses
// the program knows; it never opens them itself but hands them to the desktop.
namespace links {

// The information page (its label shows it without the query).
inline constexpr const char* kInformationPage = "https://quelm.example.org/info/";
inline constexpr const char* kInformationQuery = "?v=QUELM20";
// The contact mail address (opened as "mailto:" + address).
inline constexpr const char* kContactAddress = "quelm@example.org";

} // namespace links
