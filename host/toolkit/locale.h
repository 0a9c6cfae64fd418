// The user's locale settings that controls need.
#pragma once

namespace pictor {

// The decimal separator of the user's locale ('.' when it is not an 8-bit
// character).
char DecimalSeparator();

}  // namespace pictor
