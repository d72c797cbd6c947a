#pragma once
// The question index line: one line of a question index file describing one question.
//
//   1-4    question code as written (UUQQ in a unit's own file; no reader uses it)
//   5-6    number of step records of the question
//   7-     question text; "|" stands for a line break where the question bar shows it
//   7-13   "picture", in lower case, makes it a picture question; then
//   14-19  the picture's six-character id (the data folder's id + ".mxy"), and
//   20-    the text shown with the picture, "|" shown as written
//
// Positions are 1-based character positions as the platform string helpers count them. A
// field past the end of a short line reads as empty text, so a short line has no picture, a
// count of 0, and a picture line cut inside its id has a short or empty id and no text.
#include <cstdint>
#include <string>

namespace xpexam::desktop {

class IndexLine {
 public:
  IndexLine() = default;
  // The line as decoded from the file. The session assembly counts records on the stored
  // bytes: the same count wherever the first six characters are ASCII, as every bank has them.
  explicit IndexLine(std::string line) : line_(std::move(line)) {}
  const std::string& Line() const { return line_; }

  // 1-4.
  std::string Code() const;

  // 5-6 read as written (blanks ignored, a fraction kept): the first-line walk of the session
  // start adds it unrounded; everyone else reads it rounded.
  double RecordCountValue() const;
  // The same rounded half to even; two characters always fit.
  int16_t RecordCount() const;

  // 7 to the end as stored, the "picture" head of a picture question included.
  std::string Text() const;
  // Text() with CR LF in place of each "|": what the question bar shows of a text question
  // (of a picture question it shows PictureText()).
  std::string TextWithBreaks() const;

  // 7-13 exactly "picture".
  bool HasPicture() const;
  // Of a picture question, else empty: 14-19 (shorter or empty on a line cut inside them)
  // and 20 to the end as stored.
  std::string PictureId() const;
  std::string PictureText() const;

  // The question's text as the learner reads it in a list: the picture text of a picture
  // question, Text() otherwise; "|" is not turned into a line break.
  std::string ShownText() const { return HasPicture() ? PictureText() : Text(); }

  // Nothing but spaces: the end of the questions for a first-line walk.
  bool IsBlank() const;

  static constexpr const char* kPictureMark = "picture";

 private:
  std::string line_;
};

}  // namespace xpexam::desktop
