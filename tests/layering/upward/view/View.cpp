// The view may include the document below it.
#include "app/VeldoranDoc.h"
