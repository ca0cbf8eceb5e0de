// The view may include the document below it.
#include "app/document/VeldoranDoc.h"
