#include "TScrooge.h"
