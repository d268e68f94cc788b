#pragma once
// A form whose controls are the members of one design: built from the form's
// control list as it loads, destroyed as it unloads. A form states its design
// and wires its events in CreateControls; the rest is said here once.

#include <optional>

#include "platform/forms/form.h"

namespace rallix {

template <typename ControlsOfForm>
class DesignedForm : public Form {
 public:
  using Form::Form;

 protected:
  using Design = ControlsOfForm;

  // The controls in their design state, for CreateControls to wire up.
  Design& BuildDesign() { return design_.emplace(ControlsForDesign()); }
  void DestroyControls() final { design_.reset(); }

  // Set while the form is loaded.
  std::optional<Design> design_;
};

}  // namespace rallix
