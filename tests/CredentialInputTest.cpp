#include "CredentialInput.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(ParseCredentialLines, AcceptsThreeLines)
{
    struct TCase
    {
        std::string_view Input;
        std::u16string User, MasterPassword, ApplicationName;
    };
    const TCase cases[] = {
        {"a\nb\nc\n", u"a", u"b", u"c"},
        {"a\nb\nc", u"a", u"b", u"c"},
        {"a\r\nb\r\nc\r\n", u"a", u"b", u"c"},
        {"\n\n\n", u"", u"", u""},
        {" a \n\tb\nc c\n", u" a ", u"\tb", u"c c"},
        {"J\xC3\xA4ger\nStra\xC3\x9F" "e\n\xF0\x9F\x98\x80\n", u"J\u00e4ger", u"Stra\u00dfe", u"\U0001F600"},
        {"\xEF\xBB\xBFuser\npw\napp\n", u"user", u"pw", u"app"},
        {"a\rx\nb\nc\n", u"a\rx", u"b", u"c"},
    };
    for (const TCase& c : cases) {
        TCredentials credentials;
        ParseCredentialLines(c.Input, credentials);
        EXPECT_EQ(credentials.User, c.User) << c.Input;
        EXPECT_EQ(credentials.MasterPassword, c.MasterPassword) << c.Input;
        EXPECT_EQ(credentials.ApplicationName, c.ApplicationName) << c.Input;
    }
}

TEST(ParseCredentialLines, RejectsWithGermanMessage)
{
    struct TCase
    {
        std::string_view Input;
        std::string_view Message;
    };
    const TCase cases[] = {
        {"", "Zu wenige Zeilen: erwartet werden drei (User / E-Mail, MasterPasswort, Applikation), gelesen: 0."},
        {"a\nb\n", "Zu wenige Zeilen: erwartet werden drei (User / E-Mail, MasterPasswort, Applikation), gelesen: 2."},
        {"a\nb\nc\nd\n", "Zu viele Zeilen: erwartet werden genau drei (User / E-Mail, MasterPasswort, Applikation)."},
        {"a\nb\nc\n\n", "Zu viele Zeilen: erwartet werden genau drei (User / E-Mail, MasterPasswort, Applikation)."},
        {"a\n\xC3\nc\n", "Ungültiges UTF-8 in Zeile 2."},
        {"a\nb\n\xED\xA0\x80", "Ungültiges UTF-8 in Zeile 3."},
    };
    for (const TCase& c : cases) {
        TCredentials credentials;
        try {
            ParseCredentialLines(c.Input, credentials);
            ADD_FAILURE() << "accepted: " << c.Input;
        } catch (const TInputError& error) {
            EXPECT_EQ(error.what(), c.Message);
        }
    }
}

} // namespace
} // namespace kelvaro
