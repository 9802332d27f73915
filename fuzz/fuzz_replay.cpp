// Runs the settings fuzz target without libFuzzer: a fixed set of hostile texts, then a bounded
// number of random ones from a fixed seed. Usage: fuzz_replay [RANDOM_INPUTS]

#include "fuzz_settings.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <QString>

#include <cstdio>
#include <random>
#include <string>

namespace {

void run(const QByteArray &input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), static_cast<size_t>(input.size()));
}

QByteArray randomInput(std::mt19937 &rng)
{
    // Mostly pieces that the parsers care about, so that random texts get past the first check.
    static const char *const pieces[] = {"0", "1", "2", "7", "12", "25", "59", "61", ":", "/", "-", ".", " ",
                                         "AM", "PM", "am", "T", "+", "1899", "1601", "9999", "10000",
                                         "2147483648", "-32769", "32768", "\xE2\x80\xAF", "\xC2\xA0", "\n",
                                         "[Options]", "Message=", "WorkMonday=", "MondayTime=", "FontColor=",
                                         "=", ",", "\"", "@", "\\", "%time%", "\0"};
    std::uniform_int_distribution<int> count(0, 24);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray out;
    for (int i = count(rng); i > 0; --i) {
        const size_t p = pick(rng);
        if (p % 7 == 0)
            out.append(static_cast<char>(byte(rng)));
        else
            out.append(pieces[p], static_cast<qsizetype>(std::char_traits<char>::length(pieces[p])) + (pieces[p][0] == 0));
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    const long randomInputs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;

    const QList<QByteArray> hostile = {
        QByteArray(),
        QByteArray("-32769"), QByteArray("32768"), QByteArray("-32768"), QByteArray("32767"),
        QByteArray("2147483648"), QByteArray("-2147483649"), QByteArray("-2147483648"), QByteArray("4294967295"),
        QByteArray("25:61"), QByteArray("24:00:00"), QByteArray("23:59:60"), QByteArray("-1:00"),
        QByteArray("1/1/1600"), QByteArray("12/31/10000"), QByteArray("0000-00-00"), QByteArray("1600-12-31"),
        QByteArray("9999-12-31 23:59:59"), QByteArray("1601-01-01T00:00:00"),
        QByteArray("7:30\0:00 AM", 11), QByteArray("\0\0\0", 3), QByteArray("[Options]\nMessage=a\0b\n", 21),
        QByteArray("[Options]\nWorkMonday=2147483648\nFontColor=-2147483649\nMondayTime=25:61\n"),
        QByteArray("\xEF\xBB\xBF[Options]\r\nMessage=Up, up\r\n"), QByteArray("\xFF\xFE\xFD"),
        QByteArray(1 << 20, 'x'), QByteArray(1 << 20, '9'), QByteArray("[Options]\nMessage=") + QByteArray(1 << 20, ','),
    };
    for (const QByteArray &input : hostile)
        run(input);

    std::mt19937 rng(20261207);
    for (long i = 0; i < randomInputs; ++i)
        run(randomInput(rng));

    std::printf("%lld hostile and %ld random inputs: no crash, every bad text fell back\n",
                static_cast<long long>(hostile.size()), randomInputs);
    return 0;
}
