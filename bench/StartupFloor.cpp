// The floor of the start-up figure: a minimal Qt Widgets program that shows one dialog with a
// line edit and ends as soon as it is shown, as panelconf does for the benchmark.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <unistd.h>

namespace {

class TExitWhenShown final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow())
                ::_exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TExitWhenShown exitWhenShown;
    application.installEventFilter(&exitWhenShown);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLineEdit(&dialog));
    return dialog.exec();
}
