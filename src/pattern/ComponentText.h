#pragma once
// Renders one component into a caller's buffer, so that a whole colour text needs no temporary
// strings per component.
#include "pattern/ComponentFormat.h"
#include "pattern/NumberFormat.h"

#include <string_view>

namespace huex {

std::string_view renderComponent(const ComponentFormat& f, double fraction, NumberBuffer& buffer);

} // namespace huex
