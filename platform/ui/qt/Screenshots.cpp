#include "ui/qt/Screenshots.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

namespace qtui {

int Screenshots::nextNumber() const
{
    int highest = 0;
    const QStringList pictures = QDir(QString::fromStdString(folder)).entryList({"*.png"}, QDir::Files);
    for (const QString& name : pictures) {
        bool isNumber = false;
        int number = name.section('-', 0, 0).toInt(&isNumber);
        if (isNumber && number > highest)
            highest = number;
    }
    return highest + 1;
}

bool Screenshots::take(QWidget& widget, const std::string& what)
{
    if (!enabled())
        return false;
    QDir().mkpath(QString::fromStdString(folder));
    QString name = QString("%1-%2.png").arg(nextNumber(), 3, 10, QChar('0')).arg(QString::fromStdString(what));
    QString path = QDir(QString::fromStdString(folder)).filePath(name);
    if (widget.grab().save(path, "PNG"))
        return true;
    std::fprintf(stderr, "Could not save the screenshot %s\n", path.toLocal8Bit().constData());
    return false;
}

} // namespace qtui
