#include "tests/soak/careless_user.h"

#include <QByteArray>
#include <QChar>
#include <QStringList>

#include <array>
#include <vector>

namespace soak {
namespace {

QString Utf8(const char* bytes) { return QString::fromUtf8(bytes); }

// Texts worth trying on every box: the calculators' own table inputs, and the
// inputs that break careless number readers.
const std::vector<QString>& AwkwardTexts() {
    static const std::vector<QString> texts = [] {
        std::vector<QString> list;
        for (const char* text :
             {"", " ", "   ", "\t", " 49 ", " 1 2 8 ", "0", "-0", "+0", "0.0", "-0.0", "1", "-1", "5.",
              ".5", "-.5", "+5", "- 5", "--5", "$5", "1,28", "1.2.3", "12abc", "3505abc", "abc",
              "1.5E-3x", "1D3", "1e3", "1E+15", "1E20", "1E400", "-1E400", "1E-400", "1E308",
              "1.7976931348623157E308", "1.79769313486232E+308", "4.9E-324", "2.2250738585072014E-308",
              "1E99999999999999999999", "1E-99999999999999999999", "&H80", "&H7FFF", "&H8000",
              "&HFFFF", "&H10000", "&HFFFFFFFF", "&H100000000", "&HFFFFFFFFFFFFFFFF", "&H", "&h1f",
              "&O17", "&O", "&o777777777777", "0x10", "NaN", "nan", "inf", "-inf", "Infinity", "-",
              "+", ".", "E", "e5", "100", "103", "104", "126", "126.4", "126.5", "127", "127.1", "128",
              "129", "150.5", "151", "151.5", "152", "152.5", "174.5", "175", "175.5", "176", "176.5",
              "2002", "2023.5", "2024", "2078", "2147483647", "2147483647.5", "2147483648",
              "2147483774", "2147483775", "-2147483648", "-2147483649", "3000000000", "222", "223",
              "224", "31", "47", "47.5", "48", "49", "78", "79", "80", "96", "385", "510", "511",
              "512", "535", "536", "559", "600", "704", "895", "3500", "3900", "3900.5", "3901",
              "3903", "3905", "3906", "40000", "60000", " 32768", "32767", "32768", "-32768",
              "-32769", "65535", "65536", "0.0999999999999943", "0.333333333333333", "-12", "3.5",
              "99999999999999999999", "0.000000000000000000001"}) {
            list.push_back(Utf8(text));
        }
        // Control characters, NUL included.
        for (const char16_t code : {u'\0', u'\x01', u'\x07', u'\b', u'\n', u'\r', u'\x1b', u'\x7f'}) {
            list.push_back(QStringLiteral("12") + QChar(code) + QStringLiteral("3"));
            list.push_back(QString(QChar(code)));
        }
        // Digits and signs of other scripts, and symbols that look like numbers.
        for (const char* text : {"١٢٣", "۴۵۶", "१२७", "１２７", "²", "½", "Ⅻ", "−5", "٫5", "1 000",
                                 "1\u00a0000", "€12", "ñ", "Ünïcödé", "中文", "😀", "1😀", "e\u0301"}) {
            list.push_back(Utf8(text));
        }
        // What invalid UTF-8 becomes once it is a QString: replacement
        // characters; and the lone surrogates a QString can still carry.
        for (const QByteArray& bytes : {QByteArray("\xff\xfe"), QByteArray("12\xc3"), QByteArray("\xed\xa0\x80"),
                                        QByteArray("\xc0\xaf" "5"), QByteArray("7\x80\x80")}) {
            list.push_back(QString::fromUtf8(bytes));
        }
        list.push_back(QString(QChar(0xD800)));
        list.push_back(QStringLiteral("12") + QChar(0xDFFF));
        list.push_back(QString(QChar(0xFFFF)) + QStringLiteral("1"));
        return list;
    }();
    return texts;
}

const QString& MegabyteOfDigits() {
    static const QString digits = [] {
        QString text;
        text.reserve(1 << 20);
        for (int i = 0; i < (1 << 20); ++i) {
            text.append(QChar(u'0' + (i * 7 + 3) % 10));
        }
        return text;
    }();
    return digits;
}

// The pieces careless typing is made of.
const std::array<QString, 24>& Pieces() {
    static const std::array<QString, 24> pieces = {
        QStringLiteral("0"),  QStringLiteral("1"),  QStringLiteral("5"),   QStringLiteral("9"),
        QStringLiteral("127"), QStringLiteral(" "), QStringLiteral("\t"),  QStringLiteral("-"),
        QStringLiteral("+"),  QStringLiteral("."),  QStringLiteral(","),   QStringLiteral("E"),
        QStringLiteral("e"),  QStringLiteral("D"),  QStringLiteral("&H"),  QStringLiteral("&O"),
        QStringLiteral("F"),  QStringLiteral("x"),  QString(QChar(u'\0')), QString(QChar(0x1f)),
        Utf8("é"),            Utf8("٣"),            QString(QChar(0xFFFD)), QString(QChar(0xDC00)),
    };
    return pieces;
}

}  // namespace

CarelessUser::CarelessUser(std::uint64_t seed) : engine_(seed) {}

std::size_t CarelessUser::Pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_);
}

bool CarelessUser::Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }

QString CarelessUser::Text() {
    const std::size_t kind = Pick(100);
    if (kind < 1) {
        return Chance(50) ? MegabyteOfDigits() : QStringLiteral("-0.") + MegabyteOfDigits();
    }
    if (kind < 50) {
        return AwkwardTexts()[Pick(AwkwardTexts().size())];
    }
    if (kind < 80) {
        return NumberLike();
    }
    return Soup();
}

// A number in the forms the boxes read, with huge and tiny exponents, long
// digit runs and stray characters around it.
QString CarelessUser::NumberLike() {
    static const std::array<const char*, 7> signs = {"", "", "-", "+", " ", " -", "--"};
    QString text = QString::fromLatin1(signs[Pick(signs.size())]);
    if (Chance(10)) {
        text += Chance(50) ? QStringLiteral("&H") : QStringLiteral("&O");
        const std::size_t digits = Pick(20);
        for (std::size_t i = 0; i < digits; ++i) {
            text += QChar::fromLatin1("0123456789ABCDEFabcdef"[Pick(22)]);
        }
        return text;
    }
    const std::size_t whole = Pick(Chance(10) ? 400 : 12);
    for (std::size_t i = 0; i < whole; ++i) {
        text += QChar(u'0' + static_cast<char16_t>(Pick(10)));
    }
    if (Chance(40)) {
        text += QLatin1Char('.');
        const std::size_t fraction = Pick(Chance(10) ? 400 : 8);
        for (std::size_t i = 0; i < fraction; ++i) {
            text += QChar(u'0' + static_cast<char16_t>(Pick(10)));
        }
    }
    if (Chance(30)) {
        text += QChar::fromLatin1("EeDd"[Pick(4)]);
        text += QString::fromLatin1(signs[Pick(4)]);
        const long long magnitude = Chance(50) ? static_cast<long long>(Pick(400))
                                               : static_cast<long long>(Pick(1000000000));
        text += QString::number(magnitude);
    }
    if (Chance(10)) {
        text += Pieces()[Pick(Pieces().size())];
    }
    return text;
}

QString CarelessUser::Soup() {
    QString text;
    const std::size_t count = Pick(16);
    for (std::size_t i = 0; i < count; ++i) {
        text += Pieces()[Pick(Pieces().size())];
    }
    return text;
}

}  // namespace soak
