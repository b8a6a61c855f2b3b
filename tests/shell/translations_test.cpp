// Qt's own texts in the language of the regional settings the test runs
// under: Russian under the Russian ones, Qt's English otherwise.
#include "app/translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

TEST(Translations, StandardButtonsSpeakTheLanguageOfTheRegionalSettings)
{
    const bool russian = QLocale::system().language() == QLocale::Russian;
    const bool installed = app::installQtTranslations(*QCoreApplication::instance());
    if (russian) {
        EXPECT_TRUE(installed) << "Qt's Russian translation is missing";
    }
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Yes | QDialogButtonBox::No
                         | QDialogButtonBox::Cancel);
    const auto text = [&](QDialogButtonBox::StandardButton b) { return box.button(b)->text(); };
    if (russian) {
        EXPECT_EQ(text(QDialogButtonBox::Save), QStringLiteral("Сохранить"));
        EXPECT_EQ(text(QDialogButtonBox::Yes), QStringLiteral("&Да"));
        EXPECT_EQ(text(QDialogButtonBox::No), QStringLiteral("&Нет"));
        EXPECT_EQ(text(QDialogButtonBox::Cancel), QStringLiteral("Отмена"));
    } else {
        EXPECT_EQ(text(QDialogButtonBox::Save), QStringLiteral("Save"));
        EXPECT_EQ(text(QDialogButtonBox::Yes), QStringLiteral("&Yes"));
        EXPECT_EQ(text(QDialogButtonBox::No), QStringLiteral("&No"));
        EXPECT_EQ(text(QDialogButtonBox::Cancel), QStringLiteral("Cancel"));
    }
}
