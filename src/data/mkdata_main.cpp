// Makes the starter data file: mealvane-mkdata OUTPUT [--empty]
#include "data/DataFile.h"
#include "toolkit/db/DbError.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: mealvane-mkdata OUTPUT [--empty]\n");
        return 2;
    }
    try {
        QStringList scripts{datafile::schemaSql()};
        if (!args.contains(QStringLiteral("--empty")))
            scripts << datafile::starterSql();
        datafile::create(args.first(), scripts);
    } catch (const db::DbError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
