#include "platform/ui/WaitCursor.h"

#include <QApplication>
#include <QCursor>

namespace vd {

WaitCursor::WaitCursor()
{
    if (qApp)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor()
{
    if (qApp)
        QApplication::restoreOverrideCursor();
}

} // namespace vd
