#include "toolkit/db/SqlText.h"
#include "support/QtPrinters.h"

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
