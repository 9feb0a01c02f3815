#include "TRef.h"

int TRefCounted::Release()
{
    const int count = --m_refCount;
    if (count == 0)
        delete this;
    return count;
}
