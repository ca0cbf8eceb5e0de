// The floor of a start for bench/start-up.sh: the least a Qt program does to show a window with a
// map in it, one 1024 x 768 window painting a line and a Japanese text in the program's font.
#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QWidget>

namespace {

class FloorPaint : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawLine(10, 10, 1000, 700);
        QFont font(QStringLiteral("IPAGothic"));
        font.setPixelSize(12);
        painter.setFont(font);
        painter.drawText(40, 60, QStringLiteral("京都及大阪"));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FloorPaint window;
    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
