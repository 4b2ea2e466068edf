#include "ui/control.h"

namespace zorvane::ui {

namespace {
Colour defaultBackColour(const ControlSpec& spec) {
  if (spec.backColour) return *spec.backColour;
  return sys(SystemColour::ButtonFace);
}
}  // namespace

Control::Control(const ControlSpec& spec)
    : spec_(&spec),
      visible_(spec.visible),
      text_(spec.text),
      backColour_(defaultBackColour(spec)),
      borderStyle_(spec.kind == ControlKind::Image && spec.border != Border::None ? 1 : 0),
      picture_(spec.picture),
      value_(spec.value),
      enabled_(spec.enabled) {}

}  // namespace zorvane::ui
