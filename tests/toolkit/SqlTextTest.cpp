#include "toolkit/db/SqlText.h"
#include "support/QtPrinters.h"
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/model/PlainName.h"

#include <gtest/gtest.h>

TEST(SqlText, LiteralDoublesEverySingleQuote) {
    EXPECT_EQ(sql::literal(QStringLiteral("Mum's pie")), QStringLiteral("'Mum''s pie'"));
    EXPECT_EQ(sql::literal(QStringLiteral("''")), QStringLiteral("''''''"));
    EXPECT_EQ(sql::literal(QString()), QStringLiteral("''"));
    EXPECT_EQ(sql::literal(QStringLiteral("50% \"off\" _x_")), QStringLiteral("'50% \"off\" _x_'"));
}

TEST(SqlText, NumbersArePlainDecimal) {
    EXPECT_EQ(sql::number(2006), QStringLiteral("2006"));
    EXPECT_EQ(sql::number(0), QStringLiteral("0"));
    EXPECT_EQ(sql::number(-5), QStringLiteral("-5"));
    EXPECT_EQ(sql::number(1234567), QStringLiteral("1234567"));
}

TEST(SqlText, EveryCharacterEntersAStatementWhole) {
    TestDataFile file;
    db::Connection c(file.path());
    c.open();
    for (const QString &value :
         {QStringLiteral("a") + QChar(0) + QStringLiteral("b'c"), QString(QChar(0)),
          QStringLiteral("\x01\t\n\x7f"), QStringLiteral("Crème 'brûlée' 50%"), QString(10000, u'\'')}) {
        db::Statement s(c, QStringLiteral("SELECT ") + sql::literal(value) +
                               QStringLiteral(" = ?, length(CAST(") + sql::literal(value) +
                               QStringLiteral(" AS BLOB))"));
        s.bind(1, value);
        ASSERT_TRUE(s.step());
        EXPECT_EQ(s.value(0).toInt(), 1) << value.size();
        EXPECT_EQ(s.value(1).toInt(), value.toUtf8().size());
    }
    EXPECT_EQ(plainName(QStringLiteral("Soup") + QChar(0) + QStringLiteral("Stew\tPot\n\x85")),
              QStringLiteral("Soup Stew Pot  "));
}
