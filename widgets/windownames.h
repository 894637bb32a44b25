#pragma once

// The windows' names in the automation contract: each window's objectName, by which the shell
// opens it and tests, screen readers and automation tools find it. The same in every language.
namespace windowname {

inline constexpr char calculator[] = "Form1";
inline constexpr char credits[] = "Form2"; // "Who made it"
inline constexpr char fanCounter[] = "Form3";
inline constexpr char appreciation[] = "Form4"; // "Thank us"
inline constexpr char history[] = "Form5";      // "Why ?"
inline constexpr char glossary[] = "Form6";     // "Defenitions"
inline constexpr char fanRules[] = "Form7";     // "FanCounting", the text
inline constexpr char handWindow[] = "HandForm";
inline constexpr char practiceWindow[] = "PracticeForm";

} // namespace windowname
