#include "engine/trackrule.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// The rule the terminal makes of `args`.
TrackRule::Parsed parsed(const QStringList &args)
{
    TrackRule::Options o;
    const QHash<QString, std::optional<QString> *> values { { "--lang", &o.lang }, { "--audio-lang", &o.audioLang }, { "--sub-lang", &o.subLang },
        { "--if-no-audio", &o.ifNoAudio } };
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (std::optional<QString> *value = values.value(args[i])) {
            *value = args[++i];
        }
    }
    o.keepCommentary = args.contains("--keep-commentary");
    o.noSideFiles = args.contains("--no-side-files");
    o.keepMainAudio = args.contains("--keep-main-audio");
    return TrackRule::fromOptions(o);
}

// The same, then the window's choices the terminal has no option for, named by plain words.
TrackRule made(const QStringList &args)
{
    TrackRule rule = parsed(args).rule;
    rule.keepNoLanguage = !args.contains("no-language-out");
    rule.leaveOutCommentary = rule.leaveOutCommentary || args.contains("commentary-out");
    rule.leaveOutAudioDescription = args.contains("description-out");
    rule.keepForcedInAudioLanguages = args.contains("forced");
    if (args.contains("empty-subtitle-list")) {
        rule.subtitles = TrackRule::Subtitles::these;
        rule.subtitleLanguages.clear();
    }
    rule.defaults = args.contains("my-order") ? TrackRule::Defaults::followOrder : TrackRule::Defaults::asInSource;
    return rule;
}
}

class TrackRuleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }

    void rule_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("result"); // the rule's sentence, or the options' error
        const QString enJa = "Keeping English and Japanese audio and subtitles, and tracks with no language";
        const auto row = [](const char *what, const QStringList &args, const QString &result) { QTest::addRow("%s", what) << args << result; };
        row("default", {}, "Keeping every track");
        row("one language", { "--lang", "en" }, "Keeping English audio and subtitles, and tracks with no language; leaving out commentary.");
        row("two languages, names and codes in any case", { "--lang", " English,JPN,en" }, enJa + "; leaving out commentary.");
        row("three, commentary kept", { "--lang", "en,fr,ja", "--keep-commentary" },
            "Keeping English, French and Japanese audio and subtitles, and tracks with no language.");
        row("subtitles none", { "--lang", "de", "--sub-lang", "none" },
            "Keeping German audio, and tracks with no language; leaving out subtitles and commentary.");
        row("a subtitle list of none", { "--audio-lang", "de", "empty-subtitle-list" },
            "Keeping German audio, and tracks with no language; leaving out subtitles and commentary.");
        row("--sub-lang all overrides", { "--lang", "de", "--sub-lang", "all" },
            "Keeping German audio, all subtitles, and tracks with no language; leaving out commentary.");
        row("other subtitles", { "--audio-lang", "ja", "--sub-lang", "en,de" },
            "Keeping Japanese audio, English and German subtitles, and tracks with no language; leaving out commentary.");
        row("--audio-lang all overrides; subtitles alone leave commentary in", { "--lang", "fr", "--audio-lang", "ALL" },
            "Keeping all audio, French subtitles, and tracks with no language.");
        row("no-language tracks out", { "--lang", "en,ja", "no-language-out" }, "Keeping English and Japanese audio and subtitles; leaving out commentary.");
        row("main audio kept, description out", { "--lang", "en,ja", "--keep-main-audio", "description-out" },
            enJa + " and the file's main audio; leaving out commentary and audio description.");
        row("every track but commentary", { "commentary-out", "--keep-commentary" }, "Keeping every track; leaving out commentary.");
        row("forced, skip, my order", { "--lang", "en,ja", "--if-no-audio", "skip", "--keep-commentary", "forced", "my-order" },
            enJa
                + " and forced subtitles in the audio's languages; skipping files with no English or Japanese audio; defaults follow the order of your "
                  "languages.");
        row("no side files", { "--no-side-files", "--if-no-audio", "keep-main" }, "Keeping every track; not adding files found beside the videos.");
        row("unknown in --lang", { "--lang", "en,xx" }, "unknown language 'xx' in --lang");
        row("empty --lang", { "--lang", "" }, "unknown language '' in --lang");
        row("unknown in --audio-lang", { "--lang", "en", "--audio-lang", "Klingonese" }, "unknown language 'Klingonese' in --audio-lang");
        row("empty in --sub-lang", { "--sub-lang", "en,,ja" }, "unknown language '' in --sub-lang");
        row("unknown --if-no-audio", { "--if-no-audio", "keep" }, "unknown choice 'keep' in --if-no-audio: choose keep-main or skip");
    }
    void rule()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, result);
        const TrackRule::Parsed options = parsed(args);
        QCOMPARE(options.error.isEmpty() ? made(args).sentence() : options.error, result);
        QVERIFY2(options.error.isEmpty() || options.rule == TrackRule {}, "a failed parse gives no half-made rule");
    }

    void commentaryOnceLanguagesAreChosen()
    {
        TrackRule rule;
        rule.chooseAudioLanguages({ QLocale::English });
        rule.leaveOutCommentary = !rule.leaveOutCommentary;
        rule.chooseAudioLanguages({ QLocale::French });
        QVERIFY2(!rule.leaveOutCommentary, "on at the first language, then the user's own choice");
    }

    void settings_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QStringList>("saved"); // the rule saved over what was stored, and loaded back
        QTest::addColumn<QString>("sentence"); // what loads when nothing is saved
        QTest::addRow("nothing") << QVariantMap {} << QStringList {} << "Keeping every track";
        QTest::addRow("damaged") << QVariantMap { { "audioLanguages", QStringList { "xx", "ja", "JPN" } }, { "subtitles", "some" },
            { "subtitleLanguages", "en" }, { "keepNoLanguage", "banana" }, { "leaveOutCommentary", "yes" }, { "addSideFiles", 0 }, { "defaults", "up" },
            { "noAudioMatch", 3 } }
                                 << QStringList {} << "Keeping Japanese audio, all subtitles, and tracks with no language.";
        QTest::addRow("a list of nothing known: none") << QVariantMap { { "subtitles", "these" }, { "subtitleLanguages", QStringList { "qq" } } }
                                                       << QStringList {} << "Keeping all audio, and tracks with no language; leaving out subtitles.";
        QTest::addRow("the main audio as once saved by default") << QVariantMap { { "audioLanguages", "ja" }, { "keepMainAudio", true } } << QStringList {}
                                                                 << "Keeping Japanese audio, all subtitles, and tracks with no language.";
        QTest::addRow("default saved") << QVariantMap { { "subtitles", "none" } } << QStringList { "as is" } << QString();
        QTest::addRow("languages in order") << QVariantMap {} << QStringList { "--audio-lang", "ja,en", "--sub-lang", "pt-BR" } << QString();
        QTest::addRow("every choice turned") << QVariantMap {}
                                             << QStringList { "--audio-lang", "de", "--sub-lang", "none", "--if-no-audio", "skip", "--no-side-files",
                                                    "--keep-commentary", "no-language-out", "--keep-main-audio", "description-out", "forced", "my-order" }
                                             << QString();
    }
    void settings()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QStringList, saved);
        QFETCH(QString, sentence);
        QTemporaryDir dir;
        {
            QSettings settings(dir.filePath("Kestrune.conf"), QSettings::IniFormat);
            for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
                settings.setValue("tracks/" + it.key(), it.value());
            }
            if (!saved.isEmpty()) {
                made(saved).save(settings);
            }
        }
        QSettings settings(dir.filePath("Kestrune.conf"), QSettings::IniFormat);
        const TrackRule loaded = TrackRule::load(settings);
        QVERIFY(saved.isEmpty() ? loaded.sentence() == sentence : loaded == made(saved));
    }
};

QTEST_GUILESS_MAIN(TrackRuleTest)
#include "trackruletest.moc"
