#include "forms/dump.h"

#include "forms/form.h"
#include "forms/pictures.h"
#include "forms/runtime.h"
#include "forms/timer.h"

namespace xpexam::forms {

std::string DumpQuote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

std::string DumpControlLine(const Control& c) {
  Rect r = c.ScreenRect();
  std::string line = c.TypeName() + " " + c.DisplayName() + " visible=" + (c.Visible() ? "1" : "0") +
                     " enabled=" + (c.Enabled() ? "1" : "0") + " x=" + std::to_string(r.x) +
                     " y=" + std::to_string(r.y) + " w=" + std::to_string(r.w) + " h=" + std::to_string(r.h);
  std::string fields = c.DumpFields();
  return fields.empty() ? line : line + " " + fields;
}

namespace {
void DumpChildren(std::ostream& out, const Container& container, const std::string& indent) {
  // Creation order, containers' children under their container.
  for (Control* c : container.OwnerForm().AllControls()) {
    if (&c->GetContainer() != &container) continue;
    out << indent << DumpControlLine(*c) << "\n";
    if (auto* sub = dynamic_cast<const Container*>(c); sub && c->DumpChildren())
      DumpChildren(out, *sub, indent + "  ");
  }
}
}  // namespace

void DumpScreen(std::ostream& out) {
  if (HostMinimized()) out << "Host minimized=1\n";
  for (Form* f : LoadedForms()) {
    Rect outer{TwipsToPixels(f->Left()), TwipsToPixels(f->Top()), TwipsToPixels(f->Width()), TwipsToPixels(f->Height())};
    out << "Window " << f->Name() << " visible=" << (f->Visible() ? 1 : 0) << " x=" << outer.x << " y=" << outer.y
        << " w=" << outer.w << " h=" << outer.h << " caption=" << DumpQuote(f->Caption())
        << " picture=" << DumpQuote(PictureId(f->Picture()));
    // A minimised window says so; the lines of the others stay as they always were.
    if (f->WindowState() == WindowSize::kMinimized) out << " state=1";
    out << "\n";
    DumpChildren(out, *f, "  ");
    for (Timer* t : f->Timers())
      if (t->Listed())
        out << "  Timer " << (t->Index() >= 0 ? t->Name() + "(" + std::to_string(t->Index()) + ")" : t->Name())
            << " enabled=" << (t->Enabled() ? 1 : 0) << " interval=" << t->Interval() << "\n";
  }
  if (auto tip = Wm().Tooltip())
    out << "Tooltip x=" << tip->box.x << " y=" << tip->box.y << " w=" << tip->box.w << " h=" << tip->box.h
        << " text=" << DumpQuote(tip->text) << "\n";
}

}  // namespace xpexam::forms
