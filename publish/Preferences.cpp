#include "publish/Preferences.h"
