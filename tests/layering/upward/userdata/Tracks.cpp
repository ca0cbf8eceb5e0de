// A user-data file that reaches up into the document: the check must refuse it.
#include "app/document/VeldoranDoc.h"
