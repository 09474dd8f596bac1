#pragma once

// Everything a control shows, as text, for every control of the form, so that
// a test can tell whether an operation changed anything at all.

#include <map>
#include <string>

#include "ui/form/form.h"

namespace qavi::test {

using FormSnapshot = std::map<std::string, std::string>;

FormSnapshot snapshotOf(const ui::Form& form);

// Names of the controls whose state differs between two snapshots.
std::string differences(const FormSnapshot& before, const FormSnapshot& after);

}  // namespace qavi::test
