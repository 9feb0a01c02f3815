#include "TAdditionalPage.h"

const TAdditionalPage::Columns& TAdditionalPage::Cols()
{
    static const Columns columns;
    return columns;
}
