<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Kestrune</source>
        <translation>Über Kestrune</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (%1).</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer (%1).</translation>
    </message>
    <message>
        <source>ffmpeg: %1</source>
        <translation>ffmpeg: %1</translation>
    </message>
    <message>
        <source>ffmpeg not found</source>
        <translation>ffmpeg nicht gefunden</translation>
    </message>
    <message>
        <source>Looking for ffmpeg…</source>
        <translation>ffmpeg wird gesucht…</translation>
    </message>
</context>
<context>
    <name>AboutInfo</name>
    <message>
        <source>version unknown</source>
        <translation>Version unbekannt</translation>
    </message>
</context>
<context>
    <name>BatchSession</name>
    <message>
        <source>Converting video files</source>
        <translation>Videodateien werden umgewandelt</translation>
    </message>
</context>
<context>
    <name>BatchSummaryBanner</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message numerus="yes">
        <source>One file made from %n parts</source>
        <translation>
            <numerusform>Eine Datei aus %n Teil erstellt</numerusform>
            <numerusform>Eine Datei aus %n Teilen erstellt</numerusform>
        </translation>
    </message>
    <message>
        <source>Not joined</source>
        <translation>Nicht zusammengefügt</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The name %1 isn&apos;t valid UTF-8, so it can&apos;t be used. Rename it and try again.</source>
        <translation>Der Name %1 ist kein gültiges UTF-8 und kann daher nicht verwendet werden. Ändern Sie ihn und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Files to convert:</source>
        <translation>Umzuwandelnde Dateien:</translation>
    </message>
    <message>
        <source>Output to:</source>
        <translation>Ausgabe nach:</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Umwandeln in</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Wird umgewandelt…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n fertig</numerusform>
            <numerusform>%n fertig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>ffmpeg not found: install the ffmpeg package</source>
        <translation>ffmpeg nicht gefunden: Bitte das Paket ffmpeg installieren</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>Zusammenfügen…</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Zusammenfügen</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kestrune</source>
        <translation>Kestrune anzeigen</translation>
    </message>
</context>
<context>
    <name>DisclosureHeader</name>
    <message>
        <source>expanded</source>
        <translation>ausgeklappt</translation>
    </message>
    <message>
        <source>collapsed</source>
        <translation>eingeklappt</translation>
    </message>
</context>
<context>
    <name>FFmpegRunner</name>
    <message>
        <source>ffmpeg wasn&apos;t found. Install the ffmpeg package and try again.</source>
        <translation>ffmpeg wurde nicht gefunden. Installieren Sie das Paket ffmpeg und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 can&apos;t carry the %2 and %3 streams of this file, so the new file lacks them.</source>
        <translation>%1 kann die Datenströme %2 und %3 dieser Datei nicht aufnehmen, daher fehlen sie in der neuen Datei.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 can&apos;t carry the %2 stream of this file, so the new file lacks it.</source>
        <translation>%1 kann den Datenstrom %2 dieser Datei nicht aufnehmen, daher fehlt er in der neuen Datei.</translation>
    </message>
    <message>
        <source> Try MKV.</source>
        <translation> Versuchen Sie es mit MKV.</translation>
    </message>
    <message>
        <source>ffmpeg could not be run.</source>
        <translation>ffmpeg konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The source is encrypted, so it can&apos;t be converted.</source>
        <translation>Die Quelle ist verschlüsselt und kann daher nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>The source holds no stream that ffmpeg can copy.</source>
        <translation>Die Quelle enthält keinen Datenstrom, den ffmpeg kopieren kann.</translation>
    </message>
    <message>
        <source>The source holds a stream in a codec ffmpeg doesn&apos;t know, so it can&apos;t be copied.</source>
        <translation>Die Quelle enthält einen Datenstrom in einem Codec, den ffmpeg nicht kennt, und kann daher nicht kopiert werden.</translation>
    </message>
    <message>
        <source>The new container can&apos;t hold one of the source&apos;s streams.</source>
        <translation>Das neue Containerformat kann einen der Datenströme der Quelle nicht aufnehmen.</translation>
    </message>
    <message>
        <source>The new container can&apos;t hold the source&apos;s %1 stream.</source>
        <translation>Das neue Containerformat kann den Datenstrom %1 der Quelle nicht aufnehmen.</translation>
    </message>
    <message>
        <source>ffmpeg exited %1: %2</source>
        <translation>ffmpeg wurde mit Status %1 beendet: %2</translation>
    </message>
    <message>
        <source>ffmpeg was ended by signal %1 (%2): %3</source>
        <translation>ffmpeg wurde durch Signal %1 (%2) beendet: %3</translation>
    </message>
</context>
<context>
    <name>FileListEntry</name>
    <message>
        <source>Part %1 of %2</source>
        <translation>Teil %1 von %2</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Erzwungen</translation>
    </message>
    <message>
        <source>Hearing impaired</source>
        <translation>Für Hörgeschädigte</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Audio description</source>
        <translation>Audiodeskription</translation>
    </message>
</context>
<context>
    <name>FileRowView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>tracks chosen for this file</source>
        <translation>Spuren für diese Datei gewählt</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Spuren</translation>
    </message>
    <message>
        <source>Tracks: %1</source>
        <translation>Spuren: %1</translation>
    </message>
    <message>
        <source>Chosen for this file</source>
        <translation>Für diese Datei gewählt</translation>
    </message>
    <message>
        <source>Back to the rule</source>
        <translation>Zurück zur Regel</translation>
    </message>
    <message>
        <source>Chapters: %1</source>
        <translation>Kapitel: %1</translation>
    </message>
</context>
<context>
    <name>FilesArea</name>
    <message>
        <source>Files to convert</source>
        <translation>Umzuwandelnde Dateien</translation>
    </message>
    <message>
        <source>Drop video files here</source>
        <translation>Videodateien hierher ziehen</translation>
    </message>
    <message>
        <source>Drop or add more files</source>
        <translation>Weitere Dateien ablegen oder hinzufügen</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
</context>
<context>
    <name>JoinCheck</name>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>no tracks</source>
        <translation>keine Spuren</translation>
    </message>
    <message>
        <source>%1×%2 here, %3×%4 there</source>
        <translation>hier %1×%2, dort %3×%4</translation>
    </message>
    <message>
        <source>pixels shaped %1:%2 here, %3:%4 there</source>
        <translation>hier Pixel im Verhältnis %1:%2, dort %3:%4</translation>
    </message>
    <message>
        <source>%1 frames a second here, %2 there</source>
        <translation>hier %1 Bilder pro Sekunde, dort %2</translation>
    </message>
    <message>
        <source>audio at %1 Hz here, %2 Hz there</source>
        <translation>hier Ton mit %1 Hz, dort %2 Hz</translation>
    </message>
    <message>
        <source>%1 audio here, %2 there</source>
        <translation>hier Ton in %1, dort %2</translation>
    </message>
    <message>
        <source>Doesn&apos;t match part 1: %1.</source>
        <translation>Passt nicht zu Teil 1: %1.</translation>
    </message>
    <message>
        <source>%1 here, %2 there</source>
        <translation>hier %1, dort %2</translation>
    </message>
    <message>
        <source>The joined file lasts %1 s, but its parts together last %2 s, so it was not kept.</source>
        <translation>Die zusammengefügte Datei dauert %1 s, ihre Teile zusammen aber %2 s, daher wurde sie nicht behalten.</translation>
    </message>
    <message>
        <source>Track %1 of the joined file holds %2 packets, but the parts hold %3 together, so it was not kept.</source>
        <translation>Spur %1 der zusammengefügten Datei enthält %2 Pakete, die Teile zusammen aber %3, daher wurde sie nicht behalten.</translation>
    </message>
    <message>
        <source>In %1 the sound ends %2 s before the picture, so players may pause or drift where the next part begins.</source>
        <translation>In %1 endet der Ton %2 s vor dem Bild; Player können daher am Beginn des nächsten Teils stocken oder verrutschen.</translation>
    </message>
    <message>
        <source>In %1 the sound ends %2 s after the picture, so players may pause or drift where the next part begins.</source>
        <translation>In %1 endet der Ton %2 s nach dem Bild; Player können daher am Beginn des nächsten Teils stocken oder verrutschen.</translation>
    </message>
    <message>
        <source>%1 video here, %2 there</source>
        <translation>hier Video in %1, dort %2</translation>
    </message>
    <message>
        <source>%1 subtitles here, %2 there</source>
        <translation>hier Untertitel in %1, dort %2</translation>
    </message>
    <message>
        <source>the video was encoded with another profile</source>
        <translation>das Video wurde mit einem anderen Profil kodiert</translation>
    </message>
    <message>
        <source>the audio was encoded with another profile</source>
        <translation>der Ton wurde mit einem anderen Profil kodiert</translation>
    </message>
    <message>
        <source>the video was encoded with other settings</source>
        <translation>das Video wurde mit anderen Einstellungen kodiert</translation>
    </message>
    <message>
        <source>the audio was encoded with other settings</source>
        <translation>der Ton wurde mit anderen Einstellungen kodiert</translation>
    </message>
</context>
<context>
    <name>JoinCheckBox</name>
    <message>
        <source>Join into one file</source>
        <translation>Zu einer Datei zusammenfügen</translation>
    </message>
    <message>
        <source>Makes one file of the listed files, in the order shown. Alt+Up and Alt+Down move a file.</source>
        <translation>Macht aus den aufgelisteten Dateien eine Datei, in der gezeigten Reihenfolge. Alt+Pfeil nach oben und Alt+Pfeil nach unten verschieben eine Datei.</translation>
    </message>
</context>
<context>
    <name>JoinJob</name>
    <message>
        <source>%1 can&apos;t be read as a video, so the parts can&apos;t be joined.</source>
        <translation>%1 lässt sich nicht als Video lesen, daher können die Teile nicht zusammengefügt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t write the list of parts into %1.</source>
        <translation>Die Liste der Teile kann nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Files beside the parts were not joined.</source>
        <translation>Dateien neben den Teilen wurden nicht mit zusammengefügt.</translation>
    </message>
</context>
<context>
    <name>KeepOriginalCheckBox</name>
    <message>
        <source>Keep original files</source>
        <translation>Originaldateien behalten</translation>
    </message>
    <message>
        <source>This app only writes a new file — it never deletes your source.</source>
        <translation>Diese Anwendung schreibt nur eine neue Datei – sie löscht niemals Ihre Quelle.</translation>
    </message>
</context>
<context>
    <name>KestruneApp</name>
    <message>
        <source>Puts the streams of video files into another container without re-encoding them.</source>
        <translation>Überträgt die Datenströme von Videodateien ohne Neukodierung in ein anderes Containerformat.</translation>
    </message>
    <message>
        <source>Video files, or folders of them, to add to the list.</source>
        <translation>Videodateien oder Ordner mit Videodateien, die zur Liste hinzugefügt werden sollen.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER]...</source>
        <translation>[DATEI|ORDNER]...</translation>
    </message>
    <message>
        <source>The window could not be loaded.</source>
        <translation>Das Fenster konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Umwandlung abgeschlossen</translation>
    </message>
    <message>
        <source>Kestrune is already running but did not answer. Try again in a moment.</source>
        <translation>Kestrune läuft bereits, antwortet aber nicht. Versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Norwegian Bokmal</source>
        <translation>Norwegisch (Bokmål)</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Isländisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbisch</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Bengalisch</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamil</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Malay</source>
        <translation>Malaiisch</translation>
    </message>
    <message>
        <source>Filipino</source>
        <translation>Filipino</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanisch</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estnisch</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettisch</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latein</translation>
    </message>
</context>
<context>
    <name>LanguagePicker</name>
    <message>
        <source>No language chosen yet</source>
        <translation>Noch keine Sprache gewählt</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Sprachen suchen</translation>
    </message>
    <message>
        <source>Search %1</source>
        <translation>%1 durchsuchen</translation>
    </message>
</context>
<context>
    <name>LinearProgress</name>
    <message>
        <source>Overall progress %1</source>
        <translation>Gesamtfortschritt %1</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>Anhang</translation>
    </message>
    <message>
        <source>other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>OutputDestinationMenu</name>
    <message>
        <source>Output to: %1</source>
        <translation>Ausgabe nach: %1</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Wie die Quelle</translation>
    </message>
    <message>
        <source>Choose folder…</source>
        <translation>Ordner wählen…</translation>
    </message>
</context>
<context>
    <name>RemuxChecks</name>
    <message>
        <source>%1 (%2)</source>
        <comment>stream kind (codec)</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> s</source>
        <comment>seconds</comment>
        <translation> s</translation>
    </message>
    <message>
        <source>The cover art couldn&apos;t be copied into %1 and was left out.</source>
        <translation>Das Titelbild konnte nicht nach %1 kopiert werden und wurde weggelassen.</translation>
    </message>
    <message>
        <source>An attachment (such as a font) couldn&apos;t be copied into %1 and was left out.</source>
        <translation>Ein Anhang (etwa eine Schrift) konnte nicht nach %1 kopiert werden und wurde weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n attachments (such as fonts) couldn&apos;t be copied into %1 and were left out.</source>
        <translation>
            <numerusform>%n Anhang (etwa eine Schrift) konnte nicht nach %1 kopiert werden und wurde weggelassen.</numerusform>
            <numerusform>%n Anhänge (etwa Schriften) konnten nicht nach %1 kopiert werden und wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The chapters couldn&apos;t be copied into %1 and were left out.</source>
        <translation>Die Kapitel konnten nicht nach %1 kopiert werden und wurden weggelassen.</translation>
    </message>
    <message>
        <source>The source seems damaged: it says it lasts %1, but only %2 could be copied.</source>
        <translation>Die Quelle scheint beschädigt zu sein: Sie gibt eine Dauer von %1 an, aber nur %2 konnten kopiert werden.</translation>
    </message>
    <message>
        <source>The cover art arrived as an ordinary video track, so players may show it as a second video.</source>
        <translation>Das Titelbild ist als gewöhnliche Videospur angekommen, daher zeigen Wiedergabeprogramme es womöglich als zweites Video.</translation>
    </message>
    <message>
        <source>%1 holds no audio or video samples, so there is nothing to convert.</source>
        <translation>%1 enthält keine Audio- oder Videodaten, daher gibt es nichts umzuwandeln.</translation>
    </message>
    <message>
        <source>The new file can&apos;t be read back, so it was not kept.</source>
        <translation>Die neue Datei lässt sich nicht zurücklesen und wurde daher nicht behalten.</translation>
    </message>
    <message>
        <source>The new file holds no audio or video samples, so it was not kept.</source>
        <translation>Die neue Datei enthält keine Audio- oder Videodaten und wurde daher nicht behalten.</translation>
    </message>
    <message>
        <source>A track&apos;s language, title or flags didn&apos;t arrive as they were.</source>
        <translation>Sprache, Titel oder Markierungen einer Spur sind nicht unverändert angekommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n tracks&apos; languages, titles or flags didn&apos;t arrive as they were.</source>
        <translation>
            <numerusform>Sprache, Titel oder Markierungen von %n Spur sind nicht unverändert angekommen.</numerusform>
            <numerusform>Sprachen, Titel oder Markierungen von %n Spuren sind nicht unverändert angekommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The video&apos;s rotation didn&apos;t arrive as it was.</source>
        <translation>Die Drehung des Videos kam nicht so an, wie sie war.</translation>
    </message>
    <message>
        <source>The video&apos;s Dolby Vision didn&apos;t arrive as planned.</source>
        <translation>Dolby Vision des Videos kam nicht wie geplant an.</translation>
    </message>
    <message>
        <source>The video&apos;s colour tags didn&apos;t arrive as they were.</source>
        <translation>Die Farbangaben des Videos kamen nicht so an, wie sie waren.</translation>
    </message>
    <message>
        <source>The video isn&apos;t marked %1, so Apple&apos;s players may not open it.</source>
        <translation>Das Video ist nicht als %1 gekennzeichnet, daher öffnen Apples Player es womöglich nicht.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters arrived.</source>
        <translation>%1 von %2 Kapiteln kamen an.</translation>
    </message>
    <message>
        <source>The video&apos;s mastering display and light level didn&apos;t arrive.</source>
        <translation>Die Mastering-Display- und Lichtstärkedaten des Videos sind nicht angekommen.</translation>
    </message>
</context>
<context>
    <name>RemuxJob</name>
    <message>
        <source>This file&apos;s name is not valid UTF-8, so it can&apos;t be handed to ffmpeg. Rename it and add it again.</source>
        <translation>Der Name dieser Datei ist kein gültiges UTF-8 und kann daher nicht an ffmpeg übergeben werden. Benennen Sie die Datei um und fügen Sie sie erneut hinzu.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a regular file, so it can&apos;t be converted.</source>
        <translation>%1 ist keine reguläre Datei und kann daher nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>%1 stopped answering while it was read, so it was skipped. Check that its drive or share is still there.</source>
        <translation>%1 hat beim Lesen nicht mehr geantwortet und wurde daher übersprungen. Prüfen Sie, ob das Laufwerk oder die Freigabe noch verfügbar ist.</translation>
    </message>
    <message>
        <source>Can&apos;t write into %1: %2.</source>
        <translation>In %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The new file of %1 stopped answering while it was checked, so it was not kept. Check that its drive or share is still there.</source>
        <translation>Die neue Datei von %1 hat bei der Prüfung nicht mehr geantwortet und wurde daher nicht behalten. Prüfen Sie, ob das Laufwerk oder die Freigabe noch verfügbar ist.</translation>
    </message>
    <message>
        <source>The new file %1 couldn&apos;t be saved: %2.</source>
        <translation>Die neue Datei %1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>%1 is no longer beside the video, so it was left out.</source>
        <translation>%1 liegt nicht mehr neben dem Video und wurde daher weggelassen.</translation>
    </message>
    <message>
        <source>The tracks of %1 couldn&apos;t be read, so the tracks you chose can&apos;t be picked out.</source>
        <translation>Die Spuren von %1 konnten nicht gelesen werden, daher lassen sich die gewählten Spuren nicht heraussuchen.</translation>
    </message>
</context>
<context>
    <name>RemuxViewModel</name>
    <message>
        <source>A data track couldn&apos;t be copied into %1 and was dropped (timecode usually survives)</source>
        <translation>Eine Datenspur konnte nicht nach %1 kopiert werden und wurde verworfen (der Timecode bleibt meist erhalten)</translation>
    </message>
    <message>
        <source>%1 isn&apos;t on this computer, so it can&apos;t be added. Open its share in the file manager first.</source>
        <translation>%1 befindet sich nicht auf diesem Rechner und kann daher nicht hinzugefügt werden. Öffnen Sie zuerst die Freigabe in der Dateiverwaltung.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more aren&apos;t on this computer, so they can&apos;t be added. Open their share in the file manager first.</source>
        <translation>
            <numerusform>%1 und %n weitere befinden sich nicht auf diesem Rechner und können daher nicht hinzugefügt werden. Öffnen Sie zuerst die Freigabe in der Dateiverwaltung.</numerusform>
            <numerusform>%1 und %n weitere befinden sich nicht auf diesem Rechner und können daher nicht hinzugefügt werden. Öffnen Sie zuerst die Freigabe in der Dateiverwaltung.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Output Folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found, so it can&apos;t be converted.</source>
        <translation>%1 wurde nicht gefunden und kann daher nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a kind of video file Kestrune converts.</source>
        <translation>%1 ist keine Videodatei, die Kestrune umwandeln kann.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a regular file, so it can&apos;t be converted.</source>
        <translation>%1 ist keine reguläre Datei und kann daher nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>The folder for the new file of %1 stopped answering, so it was skipped. Check that its drive or share is still there.</source>
        <translation>Der Ordner für die neue Datei von %1 hat nicht mehr geantwortet, daher wurde die Datei übersprungen. Prüfen Sie, ob das Laufwerk oder die Freigabe noch verfügbar ist.</translation>
    </message>
    <message>
        <source>%1 stopped answering, so it wasn&apos;t added. Check that its drive or share is still there.</source>
        <translation>%1 hat nicht mehr geantwortet und wurde daher nicht hinzugefügt. Prüfen Sie, ob das Laufwerk oder die Freigabe noch verfügbar ist.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more stopped answering, so they weren&apos;t added. Check that their drive or share is still there.</source>
        <translation>
            <numerusform>%1 und %n weitere haben nicht mehr geantwortet und wurden daher nicht hinzugefügt. Prüfen Sie, ob das Laufwerk oder die Freigabe noch verfügbar ist.</numerusform>
            <numerusform>%1 und %n weitere haben nicht mehr geantwortet und wurden daher nicht hinzugefügt. Prüfen Sie, ob das Laufwerk oder die Freigabe noch verfügbar ist.</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder for the joined file stopped answering, so nothing was joined.</source>
        <translation>Der Ordner für die zusammengefügte Datei antwortete nicht mehr, daher wurde nichts zusammengefügt.</translation>
    </message>
</context>
<context>
    <name>RetryPolicy</name>
    <message>
        <source>The source lacks timestamps, so new ones were generated.</source>
        <translation>Der Quelle fehlen Zeitstempel, daher wurden neue erzeugt.</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Converting</source>
        <translation>Wird umgewandelt</translation>
    </message>
</context>
<context>
    <name>TerminalConversion</name>
    <message>
        <source>Convert without a window into &lt;container&gt;: mkv, mp4, mov, webm or ts.</source>
        <translation>Ohne Fenster in &lt;Container&gt; umwandeln: mkv, mp4, mov, webm oder ts.</translation>
    </message>
    <message>
        <source>container</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>With --to: write the new files into &lt;folder&gt; instead of beside each source.</source>
        <translation>Mit --to: Die neuen Dateien in &lt;Ordner&gt; statt neben die Quelldateien schreiben.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>With --to: give the new files the current date, not their source&apos;s.</source>
        <translation>Mit --to: Den neuen Dateien das aktuelle Datum geben, nicht das ihrer Quelle.</translation>
    </message>
    <message>
        <source>Video files, or folders of them, to convert.</source>
        <translation>Videodateien oder Ordner mit Videodateien, die umgewandelt werden sollen.</translation>
    </message>
    <message>
        <source>--%1 works only with --to. Name the container to convert into.</source>
        <translation>--%1 funktioniert nur mit --to. Geben Sie den Ziel-Container an.</translation>
    </message>
    <message>
        <source>Unknown container &quot;%1&quot;. Choose mkv, mp4, mov, webm or ts.</source>
        <translation>Unbekannter Container „%1“. Wählen Sie mkv, mp4, mov, webm oder ts.</translation>
    </message>
    <message>
        <source>The folder %1 doesn&apos;t exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Name the files or folders to convert.</source>
        <translation>Geben Sie die umzuwandelnden Dateien oder Ordner an.</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Wird umgewandelt</translation>
    </message>
    <message>
        <source>languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>With --to: keep audio and subtitles in &lt;languages&gt; only (codes or names, separated by commas).</source>
        <translation>Mit --to: Nur Audio und Untertitel in &lt;Sprachen&gt; behalten (Codes oder Namen, durch Kommas getrennt).</translation>
    </message>
    <message>
        <source>With --to: keep audio in &lt;languages&gt; only, or in all.</source>
        <translation>Mit --to: Nur Audio in &lt;Sprachen&gt; behalten, oder in allen (all).</translation>
    </message>
    <message>
        <source>With --to: keep subtitles in &lt;languages&gt; only, in all or in none.</source>
        <translation>Mit --to: Nur Untertitel in &lt;Sprachen&gt; behalten, in allen (all) oder keine (none).</translation>
    </message>
    <message>
        <source>With --to: keep commentary, which a list of languages leaves out.</source>
        <translation>Mit --to: Kommentare behalten, die eine Sprachliste sonst weglässt.</translation>
    </message>
    <message>
        <source>With --to: when a file has no audio in those languages, keep-main keeps its main audio (the default), skip leaves the file out.</source>
        <translation>Mit --to: Hat eine Datei kein Audio in diesen Sprachen, behält keep-main ihr Hauptaudio (die Vorgabe), skip lässt die Datei aus.</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>Wahl</translation>
    </message>
    <message>
        <source>With --to: don&apos;t add the subtitles and audio found beside each video.</source>
        <translation>Mit --to: Untertitel und Audio neben jedem Video nicht hinzufügen.</translation>
    </message>
    <message>
        <source>With --to: list each file&apos;s tracks and what would become of them, and write nothing.</source>
        <translation>Mit --to: Die Spuren jeder Datei auflisten und was aus ihnen würde, ohne etwas zu schreiben.</translation>
    </message>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>Anhang</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>erzwungen</translation>
    </message>
    <message>
        <source>hearing impaired</source>
        <translation>für Hörgeschädigte</translation>
    </message>
    <message>
        <source>audio description</source>
        <translation>Audiodeskription</translation>
    </message>
    <message>
        <source>commentary</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>cover art</source>
        <translation>Titelbild</translation>
    </message>
    <message>
        <source>%1: Its tracks couldn&apos;t be read.</source>
        <translation>%1: Ihre Spuren konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>weggelassen</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>umgewandelt</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>behalten</translation>
    </message>
    <message>
        <source>rotated %1°</source>
        <extracomment>A video&apos;s line in --show-tracks: &quot;rotated 90°&quot;.</extracomment>
        <translation>um %1° gedreht</translation>
    </message>
    <message numerus="yes">
        <source>%n chapters</source>
        <translation>
            <numerusform>%n Kapitel</numerusform>
            <numerusform>%n Kapitel</numerusform>
        </translation>
    </message>
    <message>
        <source>With --to: keep each file&apos;s main audio too, whatever its language.</source>
        <translation>Mit --to: auch das Hauptaudio jeder Datei behalten, gleich in welcher Sprache.</translation>
    </message>
    <message>
        <source>mastering display</source>
        <translation>Mastering-Display</translation>
    </message>
    <message>
        <source>light level</source>
        <translation>Lichtstärke</translation>
    </message>
</context>
<context>
    <name>TerminalJoin</name>
    <message>
        <source>With --to: join the files, in the order given, into one file named after the first.</source>
        <translation>Mit --to: die Dateien in der angegebenen Reihenfolge zu einer Datei zusammenfügen, benannt nach der ersten.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, read as one recording:</source>
        <translation>
            <numerusform>%n Teil, als eine Aufnahme gelesen:</numerusform>
            <numerusform>%n Teile, als eine Aufnahme gelesen:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, joined one after the other:</source>
        <translation>
            <numerusform>%n Teil, nacheinander zusammengefügt:</numerusform>
            <numerusform>%n Teile, nacheinander zusammengefügt:</numerusform>
        </translation>
    </message>
    <message>
        <source>Tracks, from part 1:</source>
        <translation>Spuren, aus Teil 1:</translation>
    </message>
    <message>
        <source>Name at least two video files, or a folder of them, to join.</source>
        <translation>Nennen Sie mindestens zwei Videodateien oder einen Ordner mit ihnen zum Zusammenfügen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more: Not joined: %2</source>
        <translation>
            <numerusform>%1 und %n weiterer: Nicht zusammengefügt: %2</numerusform>
            <numerusform>%1 und %n weitere: Nicht zusammengefügt: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more → %2: Joined</source>
        <translation>
            <numerusform>%1 und %n weiterer → %2: Zusammengefügt</numerusform>
            <numerusform>%1 und %n weitere → %2: Zusammengefügt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrackLine</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Anhang</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>MP4 text</source>
        <translation>MP4-Text</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Umgewandelt</translation>
    </message>
    <message>
        <source>Added from beside the video</source>
        <translation>Aus einer Datei neben dem Video</translation>
    </message>
    <message>
        <source>%1 video</source>
        <translation>Video auf %1</translation>
    </message>
    <message>
        <source>%1 audio</source>
        <translation>Audio auf %1</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>Untertitel auf %1</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>behalten</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>weggelassen</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>The subtitles were converted to MP4&apos;s text format; their styling was lost.</source>
        <translation>Die Untertitel wurden in das Textformat von MP4 umgewandelt; ihre Formatierung ging verloren.</translation>
    </message>
    <message>
        <source>The subtitles were converted to MP4&apos;s text format.</source>
        <translation>Die Untertitel wurden in das Textformat von MP4 umgewandelt.</translation>
    </message>
    <message>
        <source>The subtitles were converted to WebVTT; their styling was lost.</source>
        <translation>Die Untertitel wurden in WebVTT umgewandelt; ihre Formatierung ging verloren.</translation>
    </message>
    <message>
        <source>The subtitles were converted to WebVTT.</source>
        <translation>Die Untertitel wurden in WebVTT umgewandelt.</translation>
    </message>
    <message>
        <source>The subtitles were converted to SRT.</source>
        <translation>Die Untertitel wurden in SRT umgewandelt.</translation>
    </message>
    <message>
        <source>A stream ffmpeg doesn&apos;t know was left out.</source>
        <translation>Ein Datenstrom, den ffmpeg nicht kennt, wurde weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n streams ffmpeg doesn&apos;t know were left out.</source>
        <translation>
            <numerusform>%n Datenstrom, den ffmpeg nicht kennt, wurde weggelassen.</numerusform>
            <numerusform>%n Datenströme, die ffmpeg nicht kennt, wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can&apos;t record the language or title of every track, so some were left out.</source>
        <translation>%1 kann nicht für jede Spur Sprache oder Titel speichern, daher wurden einige davon weggelassen.</translation>
    </message>
    <message>
        <source>Can&apos;t be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read, so it was left out.</source>
        <translation>%1 kann nicht gelesen werden und wurde daher weggelassen.</translation>
    </message>
    <message>
        <source>%1 subtitles can&apos;t go into %2</source>
        <extracomment>Why a track was left out: &quot;PGS subtitles can&apos;t go into MP4&quot;.</extracomment>
        <translation>%1-Untertitel passen nicht in %2</translation>
    </message>
    <message>
        <source>%1 audio can&apos;t go into %2</source>
        <translation>%1-Audio passt nicht in %2</translation>
    </message>
    <message>
        <source>%1 can&apos;t go into %2, so it was left out.</source>
        <translation>%1 passt nicht in %2 und wurde daher weggelassen.</translation>
    </message>
    <message>
        <source>%1 subtitles can&apos;t go into %2, so they were left out.</source>
        <translation>%1-Untertitel passen nicht in %2 und wurden daher weggelassen.</translation>
    </message>
    <message>
        <source>%1 audio can&apos;t go into %2, so it was left out.</source>
        <translation>%1-Audio passt nicht in %2 und wurde daher weggelassen.</translation>
    </message>
    <message>
        <source>Unknown to ffmpeg</source>
        <translation>ffmpeg unbekannt</translation>
    </message>
    <message>
        <source>Data tracks can&apos;t go into %1</source>
        <translation>Datenspuren passen nicht in %1</translation>
    </message>
    <message>
        <source>Attachments can&apos;t go into %1</source>
        <translation>Anhänge passen nicht in %1</translation>
    </message>
    <message>
        <source>This cover art can&apos;t go into %1</source>
        <translation>Dieses Titelbild passt nicht in %1</translation>
    </message>
    <message>
        <source>Converted to MP4&apos;s text format</source>
        <translation>In das Textformat von MP4 umgewandelt</translation>
    </message>
    <message>
        <source>Converted to WebVTT</source>
        <translation>In WebVTT umgewandelt</translation>
    </message>
    <message>
        <source>Converted to SRT</source>
        <translation>In SRT umgewandelt</translation>
    </message>
    <message>
        <source>Attached as cover art</source>
        <translation>Als Titelbild angehängt</translation>
    </message>
    <message>
        <source>The encoding of %1 couldn&apos;t be told, so it was read as Windows-1252.</source>
        <translation>Die Kodierung von %1 war nicht zu erkennen, daher wurde es als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <source>Every track</source>
        <translation>Alle Spuren</translation>
    </message>
    <message>
        <source>%1 of %2 audio</source>
        <extracomment>The row&apos;s line: &quot;2 of 4 audio · 1 of 3 subtitles&quot;.</extracomment>
        <translation>%1 von %2 Audio</translation>
    </message>
    <message>
        <source>%1 of 1 subtitle</source>
        <translation>%1 von 1 Untertitel</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n subtitles</source>
        <translation>
            <numerusform>%1 von %n Untertiteln</numerusform>
            <numerusform>%1 von %n Untertiteln</numerusform>
        </translation>
    </message>
    <message>
        <source>1 side file</source>
        <translation>1 Beidatei</translation>
    </message>
    <message numerus="yes">
        <source>%n side files</source>
        <translation>
            <numerusform>%n Beidatei</numerusform>
            <numerusform>%n Beidateien</numerusform>
        </translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Keine Sprache</translation>
    </message>
    <message>
        <source>%1: not in your languages</source>
        <extracomment>Why a track was left out: &quot;German: not in your languages&quot;.</extracomment>
        <translation>%1: nicht in Ihren Sprachen</translation>
    </message>
    <message>
        <source>Left out by you</source>
        <translation>Von Ihnen weggelassen</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Audio description</source>
        <translation>Audiodeskription</translation>
    </message>
    <message>
        <source>Skipped: no %1 audio</source>
        <extracomment>A file the rule skips: &quot;Skipped: no English or Japanese audio&quot;.</extracomment>
        <translation>Übersprungen: kein Audio auf %1</translation>
    </message>
    <message>
        <source>No %1 audio here, so the main audio was kept.</source>
        <translation>Hier gibt es kein Audio auf %1, daher wurde das Hauptaudio behalten.</translation>
    </message>
    <message>
        <source>No %1 audio here, so the main audio (%2) was kept.</source>
        <translation>Hier gibt es kein Audio auf %1, daher wurde das Hauptaudio (%2) behalten.</translation>
    </message>
    <message>
        <source>No subtitles chosen</source>
        <translation>Keine Untertitel gewählt</translation>
    </message>
    <message>
        <source>No %1 subtitles here, so none were kept.</source>
        <translation>Hier gibt es keine Untertitel auf %1, daher wurden keine behalten.</translation>
    </message>
    <message>
        <source>HDR (HLG)</source>
        <translation>HDR (HLG)</translation>
    </message>
    <message>
        <source>%1 can&apos;t record that this video is upside down, so players will show it that way.</source>
        <translation>%1 kann nicht festhalten, dass dieses Video auf dem Kopf steht, daher zeigen Player es so.</translation>
    </message>
    <message>
        <source>%1 can&apos;t record that this video is turned %2°, so players will show it sideways.</source>
        <translation>%1 kann nicht festhalten, dass dieses Video um %2° gedreht ist, daher zeigen Player es seitlich.</translation>
    </message>
    <message>
        <source>%1 can&apos;t keep Dolby Vision, and this video plays in wrong colours without it.</source>
        <translation>%1 kann Dolby Vision nicht behalten, und ohne es zeigt dieses Video falsche Farben.</translation>
    </message>
    <message>
        <source>%1 can&apos;t keep Dolby Vision, so this video will play as %2.</source>
        <translation>%1 kann Dolby Vision nicht behalten, daher wird dieses Video als %2 abgespielt.</translation>
    </message>
    <message>
        <source>Skipped: no audio that can go into %1</source>
        <translation>Übersprungen: kein Audio, das in %1 passt</translation>
    </message>
    <message>
        <source>None of this file&apos;s audio can go into %1.</source>
        <translation>Keine Audiospur dieser Datei passt in %1.</translation>
    </message>
    <message>
        <source>Another audio track was kept in its place, so the new file has sound.</source>
        <translation>Stattdessen wurde eine andere Audiospur behalten, damit die neue Datei Ton hat.</translation>
    </message>
    <message>
        <source>The %1 audio was kept in its place, so the new file has sound.</source>
        <translation>Stattdessen wurde das Audio auf %1 behalten, damit die neue Datei Ton hat.</translation>
    </message>
</context>
<context>
    <name>TrackRule</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;French and Japanese&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list but the last two: &quot;English, French&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 audio and subtitles</source>
        <translation>Audio und Untertitel in %1</translation>
    </message>
    <message>
        <source>all audio</source>
        <translation>alle Audiospuren</translation>
    </message>
    <message>
        <source>%1 audio</source>
        <translation>Audiospuren in %1</translation>
    </message>
    <message>
        <source>all subtitles</source>
        <translation>alle Untertitel</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>Untertitel in %1</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; in %2</source>
        <translation>unbekannte Sprache „%1“ in %2</translation>
    </message>
    <message>
        <source>tracks with no language</source>
        <translation>Spuren ohne Sprache</translation>
    </message>
    <message>
        <source>forced subtitles in the audio&apos;s languages</source>
        <translation>erzwungene Untertitel in den Audiosprachen</translation>
    </message>
    <message>
        <source>every track</source>
        <translation>alle Spuren</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <extracomment>%1 is the kept audio and subtitles, %2 what is kept besides: &quot;tracks with no language&quot;.</extracomment>
        <translation>%1 sowie %2</translation>
    </message>
    <message>
        <source>Keeping %1</source>
        <extracomment>The start of the rule&apos;s sentence; %1 lists what is kept: &quot;every track&quot;, &quot;English audio and subtitles, and tracks with no language&quot;.</extracomment>
        <translation>Behalten werden %1</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>commentary</source>
        <translation>Audiokommentare</translation>
    </message>
    <message>
        <source>audio description</source>
        <translation>Spuren mit Audiodeskription</translation>
    </message>
    <message>
        <source>%1; leaving out %2</source>
        <extracomment>%2 lists what a batch leaves out: &quot;subtitles and commentary&quot;.</extracomment>
        <translation>%1; weggelassen werden %2</translation>
    </message>
    <message>
        <source>%1; skipping files with no %2 audio</source>
        <translation>%1; Dateien ohne Audio in %2 werden übersprungen</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1; defaults follow the order of your languages</source>
        <translation>%1; Standardspuren richten sich nach der Reihenfolge Ihrer Sprachen</translation>
    </message>
    <message>
        <source>%1; not adding files found beside the videos</source>
        <translation>%1; neben den Videos gefundene Dateien werden nicht hinzugefügt</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>unknown choice &apos;%1&apos; in --if-no-audio: choose keep-main or skip</source>
        <translation>unbekannte Wahl „%1“ in --if-no-audio: wählen Sie keep-main oder skip</translation>
    </message>
    <message>
        <source>the file&apos;s main audio</source>
        <translation>das Hauptaudio der Datei</translation>
    </message>
</context>
<context>
    <name>TrackRuleEditor</name>
    <message>
        <source>Tracks to keep</source>
        <translation>Zu behaltende Spuren</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Alle Sprachen</translation>
    </message>
    <message>
        <source>Only these:</source>
        <translation>Nur diese:</translation>
    </message>
    <message>
        <source>audio languages</source>
        <translation>Audiosprachen</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>subtitle languages</source>
        <translation>Untertitelsprachen</translation>
    </message>
    <message>
        <source>Also keep tracks with no language</source>
        <translation>Auch Spuren ohne Sprache behalten</translation>
    </message>
    <message>
        <source>Always keep the file&apos;s main audio</source>
        <translation>Das Hauptaudio der Datei immer behalten</translation>
    </message>
    <message>
        <source>Leave out commentary</source>
        <translation>Kommentare weglassen</translation>
    </message>
    <message>
        <source>Leave out audio description</source>
        <translation>Audiodeskription weglassen</translation>
    </message>
    <message>
        <source>Keep forced subtitles in the languages of the kept audio</source>
        <translation>Erzwungene Untertitel in den Sprachen des behaltenen Audios behalten</translation>
    </message>
    <message>
        <source>Add subtitles and audio found beside each video</source>
        <translation>Untertitel und Audio neben jedem Video hinzufügen</translation>
    </message>
    <message>
        <source>Default tracks</source>
        <translation>Standardspuren</translation>
    </message>
    <message>
        <source>As in the source</source>
        <translation>Wie in der Quelle</translation>
    </message>
    <message>
        <source>Follow the order of my languages</source>
        <translation>Der Reihenfolge meiner Sprachen folgen</translation>
    </message>
    <message>
        <source>When a file has no audio in these languages</source>
        <translation>Wenn eine Datei kein Audio in diesen Sprachen hat</translation>
    </message>
    <message>
        <source>Keep its main audio and say so</source>
        <translation>Ihr Hauptaudio behalten und es sagen</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Die Datei überspringen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>TrackRuleRow</name>
    <message>
        <source>Tracks: %1</source>
        <translation>Spuren: %1</translation>
    </message>
    <message>
        <source>Tracks:</source>
        <translation>Spuren:</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten…</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Kestrune is up to date</source>
        <translation>Kestrune ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>A new version of Kestrune is available</source>
        <translation>Eine neue Version von Kestrune ist verfügbar</translation>
    </message>
    <message>
        <source>Kestrune could not check for updates</source>
        <translation>Kestrune konnte nicht nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Checking for Updates…</source>
        <translation>Suche nach Aktualisierungen…</translation>
    </message>
    <message>
        <source>Kestrune %1 is the newest version.</source>
        <translation>Kestrune %1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>Kestrune %1 is available; you have %2.</source>
        <translation>Kestrune %1 ist verfügbar; installiert ist %2.</translation>
    </message>
    <message>
        <source>Looking for a newer version…</source>
        <translation>Nach einer neueren Version wird gesucht…</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
</context>
<context>
    <name>UpdaterCommands</name>
    <message>
        <source>About Kestrune</source>
        <translation>Über Kestrune</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>Quit Kestrune</source>
        <translation>Kestrune beenden</translation>
    </message>
    <message>
        <source>Keep File Dates</source>
        <translation>Dateidatum beibehalten</translation>
    </message>
</context>
<context>
    <name>UpdaterController</name>
    <message>
        <source>The update server refused the connection.</source>
        <translation>Der Aktualisierungsserver hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>The update server could not be found. Check your internet connection.</source>
        <translation>Der Aktualisierungsserver wurde nicht gefunden. Überprüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>Der Aktualisierungsserver hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The update server closed the connection before sending the update feed.</source>
        <translation>Der Aktualisierungsserver hat die Verbindung geschlossen, bevor er den Aktualisierungs-Feed gesendet hat.</translation>
    </message>
    <message>
        <source>A secure connection to the update server could not be made.</source>
        <translation>Es konnte keine sichere Verbindung zum Aktualisierungsserver hergestellt werden.</translation>
    </message>
    <message>
        <source>The update feed was not found at %1.</source>
        <translation>Der Aktualisierungs-Feed wurde unter %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>The update feed could not be loaded: %1.</source>
        <translation>Der Aktualisierungs-Feed konnte nicht geladen werden: %1.</translation>
    </message>
    <message>
        <source>The update feed is too large to be one.</source>
        <translation>Der Aktualisierungs-Feed ist zu groß, um echt zu sein.</translation>
    </message>
    <message>
        <source>The update feed lists no versions.</source>
        <translation>Der Aktualisierungs-Feed nennt keine Versionen.</translation>
    </message>
    <message>
        <source>The update feed is not an RSS feed.</source>
        <translation>Der Aktualisierungs-Feed ist kein RSS-Feed.</translation>
    </message>
    <message>
        <source>The update feed is damaged (line %1: %2).</source>
        <translation>Der Aktualisierungs-Feed ist beschädigt (Zeile %1: %2).</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message numerus="yes">
        <source>%n more file</source>
        <translation>
            <numerusform>%n weitere Datei</numerusform>
            <numerusform>%n weitere Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more files</source>
        <translation>
            <numerusform>%n weitere Datei</numerusform>
            <numerusform>%n weitere Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file converted</source>
        <translation>
            <numerusform>%n Datei umgewandelt</numerusform>
            <numerusform>%n Dateien umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n Datei umgewandelt</numerusform>
            <numerusform>%n Dateien umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a dropped track</source>
        <translation>
            <numerusform>%n mit verworfener Spur</numerusform>
            <numerusform>%n mit verworfener Spur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a warning</source>
        <translation>
            <numerusform>%n mit Warnung</numerusform>
            <numerusform>%n mit Warnung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Nichts umzuwandeln</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Wie die Quelle</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Einen Ordner wählen…</translation>
    </message>
    <message>
        <source>Converting, %1</source>
        <translation>Wird umgewandelt, %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Wird umgewandelt</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Umgewandelt</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Umgewandelt: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In Warteschlange</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
</context>
</TS>
