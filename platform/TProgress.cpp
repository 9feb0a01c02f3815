#include "TProgress.h"

TProgress& TProgress::None()
{
    static TProgress none;
    return none;
}
