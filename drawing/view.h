// A view of a drawing: lines, arcs and marks, and texts that each find a place where they meet
// no other text, no mark and no line the view keeps clear. Every text is placed against all
// that is already there, so no two texts of a view can meet, whatever the view holds.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// The compiler checks a printf-like call's arguments against its format where it can (GCC,
// Clang); elsewhere (MSVC) the call is left as it is.
#if defined(__has_attribute)
#if __has_attribute(format)
#define SORVANTA_PRINTF_LIKE(format_index, first_argument) \
  __attribute__((format(printf, format_index, first_argument)))
#endif
#endif
#ifndef SORVANTA_PRINTF_LIKE
#define SORVANTA_PRINTF_LIKE(format_index, first_argument)
#endif

namespace drawing {

// The room kept clear around every text.
constexpr double kGap = 4;

struct Point {
  double x, y;
};

// In the document's coordinates: y grows downwards.
struct Box {
  double left, top, right, bottom;

  static Box Empty();
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
  Box Grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
  Box Moved(Point by) const { return {left + by.x, top + by.y, right + by.x, bottom + by.y}; }
  void Take(const Box& other);
  // Whether the two share more than an edge.
  bool Meets(const Box& other) const;
};

struct Segment {
  Point a, b;
  // Whether any part of the segment lies inside `box` or on its edge.
  bool Crosses(const Box& box) const;
};

// Where a text stands to the point it belongs to: after it, centred on it or before it
// (across), and above it, level with it or below it.
enum class Across { kAfter, kCentred, kBefore };
enum class Along { kAbove, kLevel, kBelow };

struct Spot {
  Point at;
  Across across;
  Along along;
};

struct Text {
  std::vector<std::string> lines;  // UTF-8
  Across across;
  Box box;           // the room kept for it
  const char* kind;  // a class of the document's style sheet, or null
};

// The room lines of text take, one under another.
Box TextBoxAt(const Spot& spot, const std::vector<std::string>& lines);

// SVG markup, written as it goes.
class Svg {
 public:
  std::string& text() { return out_; }
  const std::string& text() const { return out_; }
  void Printf(const char* format, ...) SORVANTA_PRINTF_LIKE(2, 3);
  void Write(const Text& text);

 private:
  std::string out_;
};

class View {
 public:
  // `keep_clear`: no text may cross it.
  void Line(Point a, Point b, const char* kind, bool keep_clear = true);
  // About `centre` from the direction `from` to `to`, in radians clockwise from up.
  void Arc(Point centre, double radius, double from, double to, const char* kind, bool keep_clear);
  // Marks no text may cover.
  void Square(Point centre, double half_side, const char* kind);
  void Dot(Point centre, double radius, const char* kind);

  // Puts the text that names `subject` at the first of `spots` where it is clear, or clear once
  // moved a little further from its point. Where none is, at the nearest place around the spots
  // where the text is clear and a leader from the subject crosses no text (and, where that can
  // be, no other mark); at worst below everything, where nothing is.
  void Label(std::vector<std::string> lines, Point subject, std::initializer_list<Spot> spots,
             const char* kind = nullptr);

  // All that the view holds, texts included.
  const Box& extent() const { return extent_; }
  // In the view's coordinates.
  const std::vector<Text>& texts() const { return texts_; }
  // The view with the top left corner of its extent at `corner`.
  void Write(Svg& svg, Point corner) const;

 private:
  bool Clear(const Box& box) const;
  bool Reaches(const Segment& leader, bool over_marks) const;
  void Mark(const Box& box);
  void Keep(Text text);

  Svg svg_;
  std::vector<Box> marks_;
  std::vector<Segment> lines_;
  std::vector<Text> texts_;
  Box extent_ = Box::Empty();
};

}  // namespace drawing
