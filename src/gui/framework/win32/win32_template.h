// The in-memory dialog template (DLGTEMPLATEEX) that the dialog manager builds a window from,
// made from the same template data the other backend reads.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/framework/dialog_template.h"

namespace lunda {

enum class TemplateUse { kDialog, kPage };

// The template's bytes, aligned for the system; a page is a hidden child of its sheet. Dialog
// units and the template's font are the dialog manager's to apply.
[[nodiscard]] std::vector<std::uint32_t> BuildWin32Template(const DialogTemplate& dialogTemplate,
                                                            TemplateUse use);

}  // namespace lunda
