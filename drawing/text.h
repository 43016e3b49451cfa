// The drawing's texts: what room a text takes in a sans-serif face, and how text from outside
// the program goes into the document.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace drawing {

constexpr double kFontSize = 13;
// How far a line of text reaches above and below its baseline, and the step from one baseline
// to the next: enough for the sans-serif faces browsers pick (Liberation Sans, DejaVu Sans, Noto
// Sans), so that the room kept for a text holds it in any of them.
constexpr double kAscent = 1.1 * kFontSize;
constexpr double kDescent = 0.3 * kFontSize;
constexpr double kLineStep = 1.3 * kFontSize;

// The width of a line of UTF-8 text at kFontSize, at least what the widest common sans-serif
// faces (DejaVu Sans, Verdana) give it: the drawing is made where no face can be measured.
double TextWidth(const std::string& utf8);

// `pieces` joined by spaces into lines no wider than `width`, where that can be.
std::vector<std::string> Wrapped(const std::vector<std::string>& pieces, double width);

// Text from outside the program as the drawing quotes it: at most `most` characters (at least
// four), the rest given as three dots, and only characters an XML document may hold, so that no
// answer can make the document unreadable.
std::string Quoted(const std::string& text, std::size_t most);

// UTF-8 text as SVG text: the characters XML reserves escaped.
std::string Escaped(const std::string& utf8);

}  // namespace drawing
