#pragma once

#include "Forms.h"

namespace vcl {

// Sets the properties of Definition on Control; OnClick is bound to the
// published handler it names.
void ApplyProperties(TControl& Control, const kelvaro::TObjectDefinition& Definition, const TPublisher& Publisher);

// Creates the controls of Definitions inside Parent, with their properties,
// children and published fields. Throws TDefinitionError with the line at fault.
void CreateChildControls(TWinControl& Parent, const std::vector<kelvaro::TObjectDefinition>& Definitions,
                         TPublisher& Publisher);

} // namespace vcl
