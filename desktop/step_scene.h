#pragma once
// The step scene: the controls a step record is laid out on (the screen picture and its
// overlays, the target box and the Label4 box with their frames, the hint line, the tab labels,
// the answer and password boxes, the automatic step's timer) and the one way a record and its
// step code are laid out on them. The desktop and the
// demonstration each own one.
//
// The scene binds to controls its window declares rather than owning them. Where a control is
// declared fixes its stacking and its line in a dump, and the two windows interleave these
// controls with their own in different orders; owning them here would need the forms runtime to
// reorder a window's controls after the fact, and every order would then live in two places.
// Bound, each window's member list stays the one statement of its order, and this file the one
// statement of the layout.
//
// Where the windows differ, the difference is a field of SceneStyle.
#include <cstdint>
#include <functional>
#include <string>

#include "desktop/step_record.h"
#include "desktop/tab_strip.h"
#include "forms/color.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/shape.h"
#include "forms/text_box.h"
#include "forms/timer.h"

namespace xpexam::desktop {

// The scene's controls, under the names the windows, dumps and scripts give them.
struct SceneControls {
  forms::Form& window;  // the screen picture is its background
  forms::Image& Image1;  // overlay pictures 1 to 5
  forms::Image& Image2;
  forms::Image& Image3;
  forms::Image& Image4;
  forms::Image& Image5;
  forms::Label& Label1;  // the target box
  forms::Shape& Shape1;  // its red frame
  forms::Shape& Shape2;  // the yellow frame on the menu bar
  forms::Label& Label4;  // the box a drag or a rubber band starts from
  forms::Shape& Shape4;  // its green frame
  forms::Shape& Shape6;  // the rubber band
  forms::Label& LHelp;   // the hint line
  forms::ControlArray<forms::Label>& LblXXK;  // tab labels 1 to 13, the back region 0
  forms::TextBox& Text1;  // the answer box
  forms::TextBox& Text2;  // the password box
  forms::Timer& Timer3;   // runs an automatic step
};

// The scene's controls of a window that declares them under those names.
template <class Controls>
SceneControls SceneControlsOf(forms::Form& window, Controls& c) {
  return {.window = window, .Image1 = c.Image1, .Image2 = c.Image2, .Image3 = c.Image3, .Image4 = c.Image4,
          .Image5 = c.Image5, .Label1 = c.Label1, .Shape1 = c.Shape1, .Shape2 = c.Shape2, .Label4 = c.Label4,
          .Shape4 = c.Shape4, .Shape6 = c.Shape6, .LHelp = c.LHelp, .LblXXK = c.LblXXK, .Text1 = c.Text1,
          .Text2 = c.Text2, .Timer3 = c.Timer3};
}

// How one window lays a record out where the other does it differently.
struct SceneStyle {
  forms::Color hint_back = 0;  // the hint line's back colour
  // A record field that does not fit its format skips only its own assignment (true), or the
  // whole box it belongs to: the overlays, the hint line, the Label4 box, the answer box and the
  // target box's return to its size. The target box's load goes field by field in both.
  bool field_by_field = true;
  // The target box sizes itself to its empty caption when the record gives it no height.
  bool target_sizes_to_caption = false;
  // A target box with a field that does not fit is parked and takes no action.
  bool parks_unplaced_target = false;
  // The red frame hides with a target box that is missing, has no height or is too small.
  bool frame_hides_with_target = false;
  // A tab step still waiting for its tab keeps the red frame on that tab.
  bool frame_marks_pending_tab = false;
  // The answer box shows unless its field is twenty "0" (true), or only when the field reads as
  // a non-zero number.
  bool answer_box_unless_zeros = false;
  // The answer box takes the record's alignment.
  bool aligns_answer = false;
  // A step text line ("000": the empty text): the hint and the answer box's initial text.
  std::function<std::string(const TextLineRef&)> step_text;
};

class StepScene {
 public:
  StepScene(const SceneControls& controls, SceneStyle style);

  // Overlay k (1 to 5): Image1 to Image5. Failure 9 outside.
  forms::Image& Overlay(long k) const;

  // The stages of a load, in the order both windows run them.
  // Text1 and Text2 back at 9 points.
  void ResetAnswerFonts();
  void ParkTabs();
  // The screen picture and the overlays.
  void ShowPictures(const StepRecord& rec);
  // Shows and places Text1 and sets its initial text (which may run its Change handler); false
  // when the record has no answer box, which hides Text1 and Text2.
  bool ShowAnswerBox(const StepRecord& rec);
  // Text1 takes the focus with its text selected, and the record's text format.
  void FormatAnswerBox(const StepRecord& rec);
  void PlaceHint(const StepRecord& rec);
  void PlaceTarget(const StepRecord& rec);
  void PlaceLabel4Box(const StepRecord& rec);
  // The step code in force, the record's (a value that does not fit keeps the one before), and
  // what its family needs at once: the target box shrinks when the menu bar takes the click, and
  // Timer3 runs for an automatic step.
  void TakeStepCode(const StepRecord& rec, int16_t& step_code);
  // Text2, the password box, in Text1's place for a password step; hidden for any other. False
  // when its check, run by the text it takes, left another record loaded (`same_record`).
  bool PlacePasswordBox(const StepRecord& rec, const std::function<bool()>& same_record = {});
  // A box that stands in for Text1 takes its text, which runs the box's own check at once, and
  // then its place and size. False, and left there, when that check loaded another record.
  bool Substitute(forms::TextBox& box, const std::function<bool()>& same_record = {});
  // The yellow frame on the menu bar, and the red frame parked when the target box is too small
  // to take a click.
  void PlaceFrames(const StepRecord& rec);
  // The hint line with the red and green frames.
  void ShowHints(bool shown);

  // Tab label index where the strip puts it, else parked.
  void ShowTab(const TabStrip& strip, int index);
  // The target box back at the record's size once the right tab is in front, the red frame on it.
  void RestoreTargetSize();

  // The step's hint text, as the tab strip restores it.
  const std::string& HintText() const { return hint_text_; }
  // The record's target box size (design twips), kept from the last record that could give it.
  const int16_t& TargetWidth() const { return target_width_; }
  const int16_t& TargetHeight() const { return target_height_; }
  // The record's target box had a field that does not fit: parked, it takes no action.
  const bool& TargetUnplaced() const { return target_unplaced_; }

 private:
  SceneControls c_;
  SceneStyle style_;
  std::string hint_text_;
  int16_t target_width_ = 0;
  int16_t target_height_ = 0;
  bool target_unplaced_ = false;
};

}  // namespace xpexam::desktop
