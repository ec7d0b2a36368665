// The C++ runtime's default terminate handler prints the type of an uncaught
// exception, which links its whole name demangler (about 45 KB) into every
// program. These programs throw nothing on purpose; should the runtime ever
// terminate, it aborts without printing.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
}  // namespace __gnu_cxx
