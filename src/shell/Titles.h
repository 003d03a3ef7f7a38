#pragma once
// The program's names as its windows and message boxes write them.

namespace vl {

// The title of a message box that gives none of its own.
inline constexpr const char* kApplicationTitle = "Vantre Lomira";
// The same name as some verdicts and the plane's notes spell it, with a small "l".
inline constexpr const char* kApplicationTitleLower = "Vantre lomira";
// Captions of the main window (and the index page) and of the topic windows (and the instructions).
inline constexpr const char* kMainCaption = "VANTRE LOMIRA";
inline constexpr const char* kTopicCaption = "VANTRE LOMIRA PLANA";

}  // namespace vl
