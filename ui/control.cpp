#include "ui/control.h"

namespace zorvane::ui {

namespace {
Colour defaultBackColour(const ControlSpec& definition) {
  if (definition.backColour) return *definition.backColour;
  return sys(SystemColour::ButtonFace);
}
}  // namespace

Control::Control(const ControlSpec& definition)
    : definition_(&definition),
      visible_(definition.visible),
      text_(definition.text),
      backColour_(defaultBackColour(definition)),
      borderStyle_(definition.kind == ControlKind::Image && definition.border != Border::None ? 1 : 0),
      picture_(definition.picture),
      value_(definition.value),
      enabled_(definition.enabled) {}

}  // namespace zorvane::ui
