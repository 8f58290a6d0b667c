// A bare Qt dialog with a 40-line list (as many lines as the demo group has publishers), the
// yardstick for Vak.exe's start under Wine: bench/windows-start times both to their window.
#include <QApplication>
#include <QDialog>
#include <QListWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    auto* list = new QListWidget(&dialog);
    list->setGeometry(15, 16, 177, 226);
    for (int p = 1; p <= 40; ++p)
        list->addItem(QStringLiteral("Příjmení%1, Jméno%1").arg(p));
    list->setCurrentRow(0);
    dialog.resize(480, 346);
    dialog.show();
    return dialog.exec();
}
