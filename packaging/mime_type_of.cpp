// Prints the MIME type Qt's database gives each file named on the command line, one a line;
// the installed tree's check uses it to see that an installed type wins.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    for (const QString& file : app.arguments().mid(1))
        std::printf("%s\n", qUtf8Printable(database.mimeTypeForFile(file).name()));
    return 0;
}
