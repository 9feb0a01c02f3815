#include "TFreightModes.h"

#include "TGlobalResourceManager.h"

QString TFreightModes::Name(int mode)
{
    const Mode* m = Find(mode);
    return m ? LangStr(m->nameString) : QString();
}
