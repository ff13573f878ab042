#include "Options.h"

namespace bacc {

Options& Settings() {
    static Options options;
    return options;
}

} // namespace bacc
