<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Kestrune</source>
        <translation>À propos de Kestrune</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (%1).</source>
        <translation>Logiciel libre distribué sous la licence publique générale GNU, version 3 ou ultérieure (%1).</translation>
    </message>
    <message>
        <source>ffmpeg: %1</source>
        <translation>ffmpeg&#xa0;: %1</translation>
    </message>
    <message>
        <source>ffmpeg not found</source>
        <translation>ffmpeg introuvable</translation>
    </message>
    <message>
        <source>Looking for ffmpeg…</source>
        <translation>Recherche de ffmpeg…</translation>
    </message>
</context>
<context>
    <name>AboutInfo</name>
    <message>
        <source>version unknown</source>
        <translation>version inconnue</translation>
    </message>
</context>
<context>
    <name>BatchSession</name>
    <message>
        <source>Converting video files</source>
        <translation>Conversion de fichiers vidéo</translation>
    </message>
</context>
<context>
    <name>BatchSummaryBanner</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message numerus="yes">
        <source>One file made from %n parts</source>
        <translation>
            <numerusform>Un fichier créé à partir de %n partie</numerusform>
            <numerusform>Un fichier créé à partir de %n parties</numerusform>
        </translation>
    </message>
    <message>
        <source>Not joined</source>
        <translation>Non assemblé</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The name %1 isn&apos;t valid UTF-8, so it can&apos;t be used. Rename it and try again.</source>
        <translation>Le nom %1 n&apos;est pas en UTF-8 valide, il ne peut donc pas être utilisé. Changez ce nom et réessayez.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Files to convert:</source>
        <translation>Fichiers à convertir&#xa0;:</translation>
    </message>
    <message>
        <source>Output to:</source>
        <translation>Destination&#xa0;:</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Convertir en</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Conversion…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n terminé</numerusform>
            <numerusform>%n terminés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>ffmpeg not found: install the ffmpeg package</source>
        <translation>ffmpeg introuvable&#xa0;: installez le paquet ffmpeg</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>Assemblage…</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Assembler</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kestrune</source>
        <translation>Afficher Kestrune</translation>
    </message>
</context>
<context>
    <name>DisclosureHeader</name>
    <message>
        <source>expanded</source>
        <translation>développé</translation>
    </message>
    <message>
        <source>collapsed</source>
        <translation>réduit</translation>
    </message>
</context>
<context>
    <name>FFmpegRunner</name>
    <message>
        <source>ffmpeg wasn&apos;t found. Install the ffmpeg package and try again.</source>
        <translation>ffmpeg est introuvable. Installez le paquet ffmpeg et réessayez.</translation>
    </message>
    <message>
        <source>%1 can&apos;t carry the %2 and %3 streams of this file, so the new file lacks them.</source>
        <translation>%1 ne peut pas contenir les flux %2 et %3 de ce fichier, ils manquent donc dans le nouveau fichier.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 can&apos;t carry the %2 stream of this file, so the new file lacks it.</source>
        <translation>%1 ne peut pas contenir le flux %2 de ce fichier, il manque donc dans le nouveau fichier.</translation>
    </message>
    <message>
        <source> Try MKV.</source>
        <translation> Essayez MKV.</translation>
    </message>
    <message>
        <source>ffmpeg could not be run.</source>
        <translation>Impossible d&apos;exécuter ffmpeg.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The source is encrypted, so it can&apos;t be converted.</source>
        <translation>La source est chiffrée, elle ne peut donc pas être convertie.</translation>
    </message>
    <message>
        <source>The source holds no stream that ffmpeg can copy.</source>
        <translation>La source ne contient aucun flux que ffmpeg puisse copier.</translation>
    </message>
    <message>
        <source>The source holds a stream in a codec ffmpeg doesn&apos;t know, so it can&apos;t be copied.</source>
        <translation>La source contient un flux dans un codec inconnu de ffmpeg, elle ne peut donc pas être copiée.</translation>
    </message>
    <message>
        <source>The new container can&apos;t hold one of the source&apos;s streams.</source>
        <translation>Le nouveau conteneur ne peut pas contenir l&apos;un des flux de la source.</translation>
    </message>
    <message>
        <source>The new container can&apos;t hold the source&apos;s %1 stream.</source>
        <translation>Le nouveau conteneur ne peut pas contenir le flux %1 de la source.</translation>
    </message>
    <message>
        <source>ffmpeg exited %1: %2</source>
        <translation>ffmpeg s&apos;est terminé avec le code %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>ffmpeg was ended by signal %1 (%2): %3</source>
        <translation>ffmpeg a été arrêté par le signal %1 (%2)&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>FileListEntry</name>
    <message>
        <source>Part %1 of %2</source>
        <translation>Partie %1 sur %2</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forcés</translation>
    </message>
    <message>
        <source>Hearing impaired</source>
        <translation>Pour malentendants</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Audio description</source>
        <translation>Audiodescription</translation>
    </message>
</context>
<context>
    <name>FileRowView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>tracks chosen for this file</source>
        <translation>pistes choisies pour ce fichier</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
    <message>
        <source>Tracks: %1</source>
        <translation>Pistes : %1</translation>
    </message>
    <message>
        <source>Chosen for this file</source>
        <translation>Choisies pour ce fichier</translation>
    </message>
    <message>
        <source>Back to the rule</source>
        <translation>Revenir à la règle</translation>
    </message>
    <message>
        <source>Chapters: %1</source>
        <translation>Chapitres : %1</translation>
    </message>
</context>
<context>
    <name>FilesArea</name>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Drop video files here</source>
        <translation>Déposez des fichiers vidéo ici</translation>
    </message>
    <message>
        <source>Drop or add more files</source>
        <translation>Déposez ou ajoutez d&apos;autres fichiers</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
</context>
<context>
    <name>JoinCheck</name>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>sous-titres</translation>
    </message>
    <message>
        <source>no tracks</source>
        <translation>aucune piste</translation>
    </message>
    <message>
        <source>%1×%2 here, %3×%4 there</source>
        <translation>%1×%2 ici, %3×%4 là</translation>
    </message>
    <message>
        <source>pixels shaped %1:%2 here, %3:%4 there</source>
        <translation>pixels au format %1:%2 ici, %3:%4 là</translation>
    </message>
    <message>
        <source>%1 frames a second here, %2 there</source>
        <translation>%1 images par seconde ici, %2 là</translation>
    </message>
    <message>
        <source>audio at %1 Hz here, %2 Hz there</source>
        <translation>audio à %1 Hz ici, %2 Hz là</translation>
    </message>
    <message>
        <source>%1 audio here, %2 there</source>
        <translation>audio %1 ici, %2 là</translation>
    </message>
    <message>
        <source>Doesn&apos;t match part 1: %1.</source>
        <translation>Ne correspond pas à la partie 1 : %1.</translation>
    </message>
    <message>
        <source>%1 here, %2 there</source>
        <translation>%1 ici, %2 là</translation>
    </message>
    <message>
        <source>The joined file lasts %1 s, but its parts together last %2 s, so it was not kept.</source>
        <translation>Le fichier joint dure %1 s, mais ses parties ensemble durent %2 s : il n&apos;a donc pas été gardé.</translation>
    </message>
    <message>
        <source>Track %1 of the joined file holds %2 packets, but the parts hold %3 together, so it was not kept.</source>
        <translation>La piste %1 du fichier joint contient %2 paquets, mais les parties en contiennent %3 ensemble : il n&apos;a donc pas été gardé.</translation>
    </message>
    <message>
        <source>In %1 the sound ends %2 s before the picture, so players may pause or drift where the next part begins.</source>
        <translation>Dans %1, le son s&apos;arrête %2 s avant l&apos;image : les lecteurs peuvent marquer une pause ou se décaler au début de la partie suivante.</translation>
    </message>
    <message>
        <source>In %1 the sound ends %2 s after the picture, so players may pause or drift where the next part begins.</source>
        <translation>Dans %1, le son s&apos;arrête %2 s après l&apos;image : les lecteurs peuvent marquer une pause ou se décaler au début de la partie suivante.</translation>
    </message>
    <message>
        <source>%1 video here, %2 there</source>
        <translation>vidéo %1 ici, %2 là</translation>
    </message>
    <message>
        <source>%1 subtitles here, %2 there</source>
        <translation>sous-titres %1 ici, %2 là</translation>
    </message>
    <message>
        <source>the video was encoded with another profile</source>
        <translation>la vidéo a été encodée avec un autre profil</translation>
    </message>
    <message>
        <source>the audio was encoded with another profile</source>
        <translation>l&apos;audio a été encodé avec un autre profil</translation>
    </message>
    <message>
        <source>the video was encoded with other settings</source>
        <translation>la vidéo a été encodée avec d&apos;autres réglages</translation>
    </message>
    <message>
        <source>the audio was encoded with other settings</source>
        <translation>l&apos;audio a été encodé avec d&apos;autres réglages</translation>
    </message>
</context>
<context>
    <name>JoinCheckBox</name>
    <message>
        <source>Join into one file</source>
        <translation>Assembler en un seul fichier</translation>
    </message>
    <message>
        <source>Makes one file of the listed files, in the order shown. Alt+Up and Alt+Down move a file.</source>
        <translation>Crée un seul fichier à partir des fichiers listés, dans l’ordre affiché. Alt+Haut et Alt+Bas déplacent un fichier.</translation>
    </message>
</context>
<context>
    <name>JoinJob</name>
    <message>
        <source>%1 can&apos;t be read as a video, so the parts can&apos;t be joined.</source>
        <translation>%1 ne peut pas être lu comme une vidéo : les parties ne peuvent donc pas être jointes.</translation>
    </message>
    <message>
        <source>Can&apos;t write the list of parts into %1.</source>
        <translation>Impossible d&apos;écrire la liste des parties dans %1.</translation>
    </message>
    <message>
        <source>Files beside the parts were not joined.</source>
        <translation>Les fichiers à côté des parties n&apos;ont pas été joints.</translation>
    </message>
</context>
<context>
    <name>KeepOriginalCheckBox</name>
    <message>
        <source>Keep original files</source>
        <translation>Conserver les fichiers d&apos;origine</translation>
    </message>
    <message>
        <source>This app only writes a new file — it never deletes your source.</source>
        <translation>Cette application écrit seulement un nouveau fichier — elle ne supprime jamais votre source.</translation>
    </message>
</context>
<context>
    <name>KestruneApp</name>
    <message>
        <source>Puts the streams of video files into another container without re-encoding them.</source>
        <translation>Place les flux de fichiers vidéo dans un autre conteneur sans les réencoder.</translation>
    </message>
    <message>
        <source>Video files, or folders of them, to add to the list.</source>
        <translation>Fichiers vidéo, ou dossiers de fichiers vidéo, à ajouter à la liste.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER]...</source>
        <translation>[FICHIER|DOSSIER]...</translation>
    </message>
    <message>
        <source>The window could not be loaded.</source>
        <translation>Impossible de charger la fenêtre.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>Kestrune is already running but did not answer. Try again in a moment.</source>
        <translation>Kestrune est déjà lancé mais ne répond pas. Réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espagnol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italien</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>néerlandais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>suédois</translation>
    </message>
    <message>
        <source>Norwegian Bokmal</source>
        <translation>norvégien (bokmål)</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>danois</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>finnois</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>islandais</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>polonais</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>tchèque</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>slovaque</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>hongrois</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>roumain</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>bulgare</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>grec</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>russe</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>ukrainien</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>serbe</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>croate</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>slovène</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>turc</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>arabe</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>hébreu</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>persan</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>hindi</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>bengali</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>tamoul</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>thaï</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>vietnamien</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>indonésien</translation>
    </message>
    <message>
        <source>Malay</source>
        <translation>malais</translation>
    </message>
    <message>
        <source>Filipino</source>
        <translation>filipino</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>chinois</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>coréen</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>catalan</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>estonien</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>letton</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>lituanien</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>latin</translation>
    </message>
</context>
<context>
    <name>LanguagePicker</name>
    <message>
        <source>No language chosen yet</source>
        <translation>Aucune langue choisie</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Rechercher des langues</translation>
    </message>
    <message>
        <source>Search %1</source>
        <translation>Rechercher dans %1</translation>
    </message>
</context>
<context>
    <name>LinearProgress</name>
    <message>
        <source>Overall progress %1</source>
        <translation>Progression globale %1</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>subtitle</source>
        <translation>sous-titres</translation>
    </message>
    <message>
        <source>data</source>
        <translation>données</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>pièce jointe</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
</context>
<context>
    <name>OutputDestinationMenu</name>
    <message>
        <source>Output to: %1</source>
        <translation>Destination&#xa0;: %1</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Comme la source</translation>
    </message>
    <message>
        <source>Choose folder…</source>
        <translation>Choisir un dossier…</translation>
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
        <translation>&#xa0;s</translation>
    </message>
    <message>
        <source>The cover art couldn&apos;t be copied into %1 and was left out.</source>
        <translation>La pochette n&apos;a pas pu être copiée dans %1 et a été omise.</translation>
    </message>
    <message>
        <source>An attachment (such as a font) couldn&apos;t be copied into %1 and was left out.</source>
        <translation>Une pièce jointe (une police, par exemple) n&apos;a pas pu être copiée dans %1 et a été omise.</translation>
    </message>
    <message numerus="yes">
        <source>%n attachments (such as fonts) couldn&apos;t be copied into %1 and were left out.</source>
        <translation>
            <numerusform>%n pièce jointe (une police, par exemple) n&apos;a pas pu être copiée dans %1 et a été omise.</numerusform>
            <numerusform>%n pièces jointes (des polices, par exemple) n&apos;ont pas pu être copiées dans %1 et ont été omises.</numerusform>
        </translation>
    </message>
    <message>
        <source>The chapters couldn&apos;t be copied into %1 and were left out.</source>
        <translation>Les chapitres n&apos;ont pas pu être copiés dans %1 et ont été omis.</translation>
    </message>
    <message>
        <source>The source seems damaged: it says it lasts %1, but only %2 could be copied.</source>
        <translation>La source semble endommagée&#xa0;: elle annonce une durée de %1, mais seules %2 ont pu être copiées.</translation>
    </message>
    <message>
        <source>The cover art arrived as an ordinary video track, so players may show it as a second video.</source>
        <translation>La pochette est arrivée sous forme de piste vidéo ordinaire, les lecteurs peuvent donc l&apos;afficher comme une seconde vidéo.</translation>
    </message>
    <message>
        <source>%1 holds no audio or video samples, so there is nothing to convert.</source>
        <translation>%1 ne contient aucun échantillon audio ou vidéo, il n&apos;y a donc rien à convertir.</translation>
    </message>
    <message>
        <source>The new file can&apos;t be read back, so it was not kept.</source>
        <translation>Le nouveau fichier ne peut pas être relu, il n&apos;a donc pas été conservé.</translation>
    </message>
    <message>
        <source>The new file holds no audio or video samples, so it was not kept.</source>
        <translation>Le nouveau fichier ne contient aucun échantillon audio ou vidéo, il n&apos;a donc pas été conservé.</translation>
    </message>
    <message>
        <source>A track&apos;s language, title or flags didn&apos;t arrive as they were.</source>
        <translation>La langue, le titre ou les indicateurs d&apos;une piste ne sont pas arrivés tels quels.</translation>
    </message>
    <message numerus="yes">
        <source>%n tracks&apos; languages, titles or flags didn&apos;t arrive as they were.</source>
        <translation>
            <numerusform>La langue, le titre ou les indicateurs de %n piste ne sont pas arrivés tels quels.</numerusform>
            <numerusform>Les langues, les titres ou les indicateurs de %n pistes ne sont pas arrivés tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>The video&apos;s rotation didn&apos;t arrive as it was.</source>
        <translation>La rotation de la vidéo n&apos;est pas arrivée telle quelle.</translation>
    </message>
    <message>
        <source>The video&apos;s Dolby Vision didn&apos;t arrive as planned.</source>
        <translation>Le Dolby Vision de la vidéo n&apos;est pas arrivé comme prévu.</translation>
    </message>
    <message>
        <source>The video&apos;s colour tags didn&apos;t arrive as they were.</source>
        <translation>Les indications de couleur de la vidéo ne sont pas arrivées telles quelles.</translation>
    </message>
    <message>
        <source>The video isn&apos;t marked %1, so Apple&apos;s players may not open it.</source>
        <translation>La vidéo n&apos;est pas marquée %1, les lecteurs d&apos;Apple risquent donc de ne pas l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters arrived.</source>
        <translation>%1 chapitres sur %2 sont arrivés.</translation>
    </message>
    <message>
        <source>The video&apos;s mastering display and light level didn&apos;t arrive.</source>
        <translation>Les données d’écran de mastering et de niveau de lumière de la vidéo ne sont pas arrivées.</translation>
    </message>
</context>
<context>
    <name>RemuxJob</name>
    <message>
        <source>This file&apos;s name is not valid UTF-8, so it can&apos;t be handed to ffmpeg. Rename it and add it again.</source>
        <translation>Le nom de ce fichier n&apos;est pas en UTF-8 valide, il ne peut donc pas être transmis à ffmpeg. Renommez-le et ajoutez-le à nouveau.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a regular file, so it can&apos;t be converted.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire, il ne peut donc pas être converti.</translation>
    </message>
    <message>
        <source>%1 stopped answering while it was read, so it was skipped. Check that its drive or share is still there.</source>
        <translation>%1 a cessé de répondre pendant sa lecture, il a donc été ignoré. Vérifiez que son disque ou son partage est toujours présent.</translation>
    </message>
    <message>
        <source>Can&apos;t write into %1: %2.</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The new file of %1 stopped answering while it was checked, so it was not kept. Check that its drive or share is still there.</source>
        <translation>Le nouveau fichier de %1 a cessé de répondre pendant sa vérification, il n&apos;a donc pas été conservé. Vérifiez que son disque ou son partage est toujours présent.</translation>
    </message>
    <message>
        <source>The new file %1 couldn&apos;t be saved: %2.</source>
        <translation>Le nouveau fichier %1 n&apos;a pas pu être enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is no longer beside the video, so it was left out.</source>
        <translation>%1 n&apos;est plus à côté de la vidéo, il a donc été laissé de côté.</translation>
    </message>
    <message>
        <source>The tracks of %1 couldn&apos;t be read, so the tracks you chose can&apos;t be picked out.</source>
        <translation>Les pistes de %1 n&apos;ont pas pu être lues, les pistes choisies ne peuvent donc pas être retenues.</translation>
    </message>
</context>
<context>
    <name>RemuxViewModel</name>
    <message>
        <source>A data track couldn&apos;t be copied into %1 and was dropped (timecode usually survives)</source>
        <translation>Une piste de données n&apos;a pas pu être copiée dans %1 et a été abandonnée (le timecode est généralement conservé)</translation>
    </message>
    <message>
        <source>%1 isn&apos;t on this computer, so it can&apos;t be added. Open its share in the file manager first.</source>
        <translation>%1 n&apos;est pas sur cet ordinateur, il ne peut donc pas être ajouté. Ouvrez d&apos;abord son partage dans le gestionnaire de fichiers.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more aren&apos;t on this computer, so they can&apos;t be added. Open their share in the file manager first.</source>
        <translation>
            <numerusform>%1 et %n autre ne sont pas sur cet ordinateur, ils ne peuvent donc pas être ajoutés. Ouvrez d&apos;abord leur partage dans le gestionnaire de fichiers.</numerusform>
            <numerusform>%1 et %n autres ne sont pas sur cet ordinateur, ils ne peuvent donc pas être ajoutés. Ouvrez d&apos;abord leur partage dans le gestionnaire de fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Output Folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found, so it can&apos;t be converted.</source>
        <translation>%1 est introuvable et ne peut donc pas être converti.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a kind of video file Kestrune converts.</source>
        <translation>%1 n&apos;est pas un type de fichier vidéo que Kestrune convertit.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a regular file, so it can&apos;t be converted.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire et ne peut donc pas être converti.</translation>
    </message>
    <message>
        <source>The folder for the new file of %1 stopped answering, so it was skipped. Check that its drive or share is still there.</source>
        <translation>Le dossier du nouveau fichier de %1 a cessé de répondre, le fichier a donc été ignoré. Vérifiez que son disque ou son partage est toujours présent.</translation>
    </message>
    <message>
        <source>%1 stopped answering, so it wasn&apos;t added. Check that its drive or share is still there.</source>
        <translation>%1 a cessé de répondre, il n&apos;a donc pas été ajouté. Vérifiez que son disque ou son partage est toujours présent.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more stopped answering, so they weren&apos;t added. Check that their drive or share is still there.</source>
        <translation>
            <numerusform>%1 et %n autre ont cessé de répondre, ils n&apos;ont donc pas été ajoutés. Vérifiez que leur disque ou leur partage est toujours présent.</numerusform>
            <numerusform>%1 et %n autres ont cessé de répondre, ils n&apos;ont donc pas été ajoutés. Vérifiez que leur disque ou leur partage est toujours présent.</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder for the joined file stopped answering, so nothing was joined.</source>
        <translation>Le dossier du fichier assemblé ne répond plus, rien n’a donc été assemblé.</translation>
    </message>
</context>
<context>
    <name>RetryPolicy</name>
    <message>
        <source>The source lacks timestamps, so new ones were generated.</source>
        <translation>La source n&apos;a pas d&apos;horodatage, de nouveaux horodatages ont donc été générés.</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Converting</source>
        <translation>Conversion en cours</translation>
    </message>
</context>
<context>
    <name>TerminalConversion</name>
    <message>
        <source>Convert without a window into &lt;container&gt;: mkv, mp4, mov, webm or ts.</source>
        <translation>Convertir sans fenêtre vers &lt;conteneur&gt;&#xa0;: mkv, mp4, mov, webm ou ts.</translation>
    </message>
    <message>
        <source>container</source>
        <translation>conteneur</translation>
    </message>
    <message>
        <source>With --to: write the new files into &lt;folder&gt; instead of beside each source.</source>
        <translation>Avec --to&#xa0;: écrire les nouveaux fichiers dans &lt;dossier&gt; plutôt qu&apos;à côté de chaque source.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>With --to: give the new files the current date, not their source&apos;s.</source>
        <translation>Avec --to&#xa0;: donner aux nouveaux fichiers la date actuelle, et non celle de leur source.</translation>
    </message>
    <message>
        <source>Video files, or folders of them, to convert.</source>
        <translation>Fichiers vidéo, ou dossiers de fichiers vidéo, à convertir.</translation>
    </message>
    <message>
        <source>--%1 works only with --to. Name the container to convert into.</source>
        <translation>--%1 ne fonctionne qu&apos;avec --to. Indiquez le conteneur de destination.</translation>
    </message>
    <message>
        <source>Unknown container &quot;%1&quot;. Choose mkv, mp4, mov, webm or ts.</source>
        <translation>Conteneur «&#xa0;%1&#xa0;» inconnu. Choisissez mkv, mp4, mov, webm ou ts.</translation>
    </message>
    <message>
        <source>The folder %1 doesn&apos;t exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Name the files or folders to convert.</source>
        <translation>Indiquez les fichiers ou dossiers à convertir.</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion en cours</translation>
    </message>
    <message>
        <source>languages</source>
        <translation>langues</translation>
    </message>
    <message>
        <source>With --to: keep audio and subtitles in &lt;languages&gt; only (codes or names, separated by commas).</source>
        <translation>Avec --to : ne garder l&apos;audio et les sous-titres qu&apos;en &lt;langues&gt; (codes ou noms, séparés par des virgules).</translation>
    </message>
    <message>
        <source>With --to: keep audio in &lt;languages&gt; only, or in all.</source>
        <translation>Avec --to : ne garder l&apos;audio qu&apos;en &lt;langues&gt;, ou dans toutes (all).</translation>
    </message>
    <message>
        <source>With --to: keep subtitles in &lt;languages&gt; only, in all or in none.</source>
        <translation>Avec --to : ne garder les sous-titres qu&apos;en &lt;langues&gt;, dans toutes (all) ou aucun (none).</translation>
    </message>
    <message>
        <source>With --to: keep commentary, which a list of languages leaves out.</source>
        <translation>Avec --to : garder les commentaires, qu&apos;une liste de langues laisse sinon de côté.</translation>
    </message>
    <message>
        <source>With --to: when a file has no audio in those languages, keep-main keeps its main audio (the default), skip leaves the file out.</source>
        <translation>Avec --to : quand un fichier n&apos;a pas d&apos;audio dans ces langues, keep-main garde son audio principal (par défaut), skip ignore le fichier.</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>choix</translation>
    </message>
    <message>
        <source>With --to: don&apos;t add the subtitles and audio found beside each video.</source>
        <translation>Avec --to : ne pas ajouter les sous-titres et l&apos;audio trouvés à côté de chaque vidéo.</translation>
    </message>
    <message>
        <source>With --to: list each file&apos;s tracks and what would become of them, and write nothing.</source>
        <translation>Avec --to : lister les pistes de chaque fichier et ce qu&apos;elles deviendraient, sans rien écrire.</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>sous-titres</translation>
    </message>
    <message>
        <source>data</source>
        <translation>données</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>pièce jointe</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forcés</translation>
    </message>
    <message>
        <source>hearing impaired</source>
        <translation>pour malentendants</translation>
    </message>
    <message>
        <source>audio description</source>
        <translation>audiodescription</translation>
    </message>
    <message>
        <source>commentary</source>
        <translation>commentaire</translation>
    </message>
    <message>
        <source>original</source>
        <translation>original</translation>
    </message>
    <message>
        <source>cover art</source>
        <translation>pochette</translation>
    </message>
    <message>
        <source>%1: Its tracks couldn&apos;t be read.</source>
        <translation>%1 : ses pistes n&apos;ont pas pu être lues.</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>écartée</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajoutée</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>convertie</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>gardée</translation>
    </message>
    <message>
        <source>rotated %1°</source>
        <extracomment>A video&apos;s line in --show-tracks: &quot;rotated 90°&quot;.</extracomment>
        <translation>tournée de %1°</translation>
    </message>
    <message numerus="yes">
        <source>%n chapters</source>
        <translation>
            <numerusform>%n chapitre</numerusform>
            <numerusform>%n chapitres</numerusform>
        </translation>
    </message>
    <message>
        <source>With --to: keep each file&apos;s main audio too, whatever its language.</source>
        <translation>Avec --to : garder aussi l&apos;audio principal de chaque fichier, quelle que soit sa langue.</translation>
    </message>
    <message>
        <source>mastering display</source>
        <translation>écran de mastering</translation>
    </message>
    <message>
        <source>light level</source>
        <translation>niveau de lumière</translation>
    </message>
</context>
<context>
    <name>TerminalJoin</name>
    <message>
        <source>With --to: join the files, in the order given, into one file named after the first.</source>
        <translation>Avec --to : joindre les fichiers, dans l&apos;ordre donné, en un seul fichier nommé d&apos;après le premier.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, read as one recording:</source>
        <translation>
            <numerusform>%n partie, lue comme un seul enregistrement :</numerusform>
            <numerusform>%n parties, lues comme un seul enregistrement :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, joined one after the other:</source>
        <translation>
            <numerusform>%n partie, jointe l&apos;une après l&apos;autre :</numerusform>
            <numerusform>%n parties, jointes l&apos;une après l&apos;autre :</numerusform>
        </translation>
    </message>
    <message>
        <source>Tracks, from part 1:</source>
        <translation>Pistes, de la partie 1 :</translation>
    </message>
    <message>
        <source>Name at least two video files, or a folder of them, to join.</source>
        <translation>Indiquez au moins deux fichiers vidéo, ou un dossier qui en contient, à joindre.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more: Not joined: %2</source>
        <translation>
            <numerusform>%1 et %n autre : Non joint : %2</numerusform>
            <numerusform>%1 et %n autres : Non joint : %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more → %2: Joined</source>
        <translation>
            <numerusform>%1 et %n autre → %2 : Joint</numerusform>
            <numerusform>%1 et %n autres → %2 : Joint</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrackLine</name>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Pièce jointe</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>MP4 text</source>
        <translation>Texte MP4</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertie</translation>
    </message>
    <message>
        <source>Added from beside the video</source>
        <translation>Ajoutée depuis un fichier à côté de la vidéo</translation>
    </message>
    <message>
        <source>%1 video</source>
        <translation>vidéo en %1</translation>
    </message>
    <message>
        <source>%1 audio</source>
        <translation>audio en %1</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>sous-titres en %1</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>gardée</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>écartée</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>The subtitles were converted to MP4&apos;s text format; their styling was lost.</source>
        <translation>Les sous-titres ont été convertis au format texte de MP4&#xa0;; leur mise en forme a été perdue.</translation>
    </message>
    <message>
        <source>The subtitles were converted to MP4&apos;s text format.</source>
        <translation>Les sous-titres ont été convertis au format texte de MP4.</translation>
    </message>
    <message>
        <source>The subtitles were converted to WebVTT; their styling was lost.</source>
        <translation>Les sous-titres ont été convertis en WebVTT&#xa0;; leur mise en forme a été perdue.</translation>
    </message>
    <message>
        <source>The subtitles were converted to WebVTT.</source>
        <translation>Les sous-titres ont été convertis en WebVTT.</translation>
    </message>
    <message>
        <source>The subtitles were converted to SRT.</source>
        <translation>Les sous-titres ont été convertis en SRT.</translation>
    </message>
    <message>
        <source>A stream ffmpeg doesn&apos;t know was left out.</source>
        <translation>Un flux inconnu de ffmpeg a été omis.</translation>
    </message>
    <message numerus="yes">
        <source>%n streams ffmpeg doesn&apos;t know were left out.</source>
        <translation>
            <numerusform>%n flux inconnu de ffmpeg a été omis.</numerusform>
            <numerusform>%n flux inconnus de ffmpeg ont été omis.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can&apos;t record the language or title of every track, so some were left out.</source>
        <translation>%1 ne peut pas enregistrer la langue ou le titre de chaque piste, certains ont donc été omis.</translation>
    </message>
    <message>
        <source>Can&apos;t be read</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read, so it was left out.</source>
        <translation>%1 ne peut pas être lu, il a donc été laissé de côté.</translation>
    </message>
    <message>
        <source>%1 subtitles can&apos;t go into %2</source>
        <extracomment>Why a track was left out: &quot;PGS subtitles can&apos;t go into MP4&quot;.</extracomment>
        <translation>Les sous-titres %1 ne peuvent pas aller dans %2</translation>
    </message>
    <message>
        <source>%1 audio can&apos;t go into %2</source>
        <translation>L&apos;audio %1 ne peut pas aller dans %2</translation>
    </message>
    <message>
        <source>%1 can&apos;t go into %2, so it was left out.</source>
        <translation>%1 ne peut pas aller dans %2, il a donc été laissé de côté.</translation>
    </message>
    <message>
        <source>%1 subtitles can&apos;t go into %2, so they were left out.</source>
        <translation>Les sous-titres %1 ne peuvent pas aller dans %2, ils ont donc été laissés de côté.</translation>
    </message>
    <message>
        <source>%1 audio can&apos;t go into %2, so it was left out.</source>
        <translation>L&apos;audio %1 ne peut pas aller dans %2, il a donc été laissé de côté.</translation>
    </message>
    <message>
        <source>Unknown to ffmpeg</source>
        <translation>Inconnu de ffmpeg</translation>
    </message>
    <message>
        <source>Data tracks can&apos;t go into %1</source>
        <translation>Les pistes de données ne peuvent pas aller dans %1</translation>
    </message>
    <message>
        <source>Attachments can&apos;t go into %1</source>
        <translation>Les pièces jointes ne peuvent pas aller dans %1</translation>
    </message>
    <message>
        <source>This cover art can&apos;t go into %1</source>
        <translation>Cette pochette ne peut pas aller dans %1</translation>
    </message>
    <message>
        <source>Converted to MP4&apos;s text format</source>
        <translation>Converti au format texte du MP4</translation>
    </message>
    <message>
        <source>Converted to WebVTT</source>
        <translation>Converti en WebVTT</translation>
    </message>
    <message>
        <source>Converted to SRT</source>
        <translation>Converti en SRT</translation>
    </message>
    <message>
        <source>Attached as cover art</source>
        <translation>Jointe comme pochette</translation>
    </message>
    <message>
        <source>The encoding of %1 couldn&apos;t be told, so it was read as Windows-1252.</source>
        <translation>L&apos;encodage de %1 n&apos;a pas pu être déterminé, il a donc été lu en Windows-1252.</translation>
    </message>
    <message>
        <source>Every track</source>
        <translation>Toutes les pistes</translation>
    </message>
    <message>
        <source>%1 of %2 audio</source>
        <extracomment>The row&apos;s line: &quot;2 of 4 audio · 1 of 3 subtitles&quot;.</extracomment>
        <translation>%1 audio sur %2</translation>
    </message>
    <message>
        <source>%1 of 1 subtitle</source>
        <translation>%1 sous-titre sur 1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n subtitles</source>
        <translation>
            <numerusform>%1 sous-titre sur %n</numerusform>
            <numerusform>%1 sous-titres sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>1 side file</source>
        <translation>1 fichier à côté</translation>
    </message>
    <message numerus="yes">
        <source>%n side files</source>
        <translation>
            <numerusform>%n fichier à côté</numerusform>
            <numerusform>%n fichiers à côté</numerusform>
        </translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Aucune langue</translation>
    </message>
    <message>
        <source>%1: not in your languages</source>
        <extracomment>Why a track was left out: &quot;German: not in your languages&quot;.</extracomment>
        <translation>%1 : pas dans vos langues</translation>
    </message>
    <message>
        <source>Left out by you</source>
        <translation>Laissée de côté par vous</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Audio description</source>
        <translation>Audiodescription</translation>
    </message>
    <message>
        <source>Skipped: no %1 audio</source>
        <extracomment>A file the rule skips: &quot;Skipped: no English or Japanese audio&quot;.</extracomment>
        <translation>Ignoré : pas d&apos;audio en %1</translation>
    </message>
    <message>
        <source>No %1 audio here, so the main audio was kept.</source>
        <translation>Pas d&apos;audio en %1 ici, l&apos;audio principal a donc été gardé.</translation>
    </message>
    <message>
        <source>No %1 audio here, so the main audio (%2) was kept.</source>
        <translation>Pas d&apos;audio en %1 ici, l&apos;audio principal (%2) a donc été gardé.</translation>
    </message>
    <message>
        <source>No subtitles chosen</source>
        <translation>Aucun sous-titre choisi</translation>
    </message>
    <message>
        <source>No %1 subtitles here, so none were kept.</source>
        <translation>Pas de sous-titres en %1 ici, aucun n&apos;a donc été gardé.</translation>
    </message>
    <message>
        <source>HDR (HLG)</source>
        <translation>HDR (HLG)</translation>
    </message>
    <message>
        <source>%1 can&apos;t record that this video is upside down, so players will show it that way.</source>
        <translation>%1 ne peut pas indiquer que cette vidéo est à l&apos;envers, les lecteurs l&apos;afficheront donc ainsi.</translation>
    </message>
    <message>
        <source>%1 can&apos;t record that this video is turned %2°, so players will show it sideways.</source>
        <translation>%1 ne peut pas indiquer que cette vidéo est tournée de %2°, les lecteurs l&apos;afficheront donc couchée.</translation>
    </message>
    <message>
        <source>%1 can&apos;t keep Dolby Vision, and this video plays in wrong colours without it.</source>
        <translation>%1 ne peut pas conserver le Dolby Vision, et sans lui cette vidéo s&apos;affiche dans de fausses couleurs.</translation>
    </message>
    <message>
        <source>%1 can&apos;t keep Dolby Vision, so this video will play as %2.</source>
        <translation>%1 ne peut pas conserver le Dolby Vision, cette vidéo sera donc lue en %2.</translation>
    </message>
    <message>
        <source>Skipped: no audio that can go into %1</source>
        <translation>Ignoré : aucun audio ne peut aller dans %1</translation>
    </message>
    <message>
        <source>None of this file&apos;s audio can go into %1.</source>
        <translation>Aucun audio de ce fichier ne peut aller dans %1.</translation>
    </message>
    <message>
        <source>Another audio track was kept in its place, so the new file has sound.</source>
        <translation>Une autre piste audio a été gardée à sa place, pour que le nouveau fichier ait du son.</translation>
    </message>
    <message>
        <source>The %1 audio was kept in its place, so the new file has sound.</source>
        <translation>L&apos;audio en %1 a été gardé à sa place, pour que le nouveau fichier ait du son.</translation>
    </message>
</context>
<context>
    <name>TrackRule</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;French and Japanese&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list but the last two: &quot;English, French&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 audio and subtitles</source>
        <translation>l&apos;audio et les sous-titres en %1</translation>
    </message>
    <message>
        <source>all audio</source>
        <translation>tout l&apos;audio</translation>
    </message>
    <message>
        <source>%1 audio</source>
        <translation>l&apos;audio en %1</translation>
    </message>
    <message>
        <source>all subtitles</source>
        <translation>tous les sous-titres</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>les sous-titres en %1</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; in %2</source>
        <translation>langue «&#xa0;%1&#xa0;» inconnue dans %2</translation>
    </message>
    <message>
        <source>tracks with no language</source>
        <translation>les pistes sans langue</translation>
    </message>
    <message>
        <source>forced subtitles in the audio&apos;s languages</source>
        <translation>les sous-titres forcés dans les langues de l&apos;audio</translation>
    </message>
    <message>
        <source>every track</source>
        <translation>toutes les pistes</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <extracomment>%1 is the kept audio and subtitles, %2 what is kept besides: &quot;tracks with no language&quot;.</extracomment>
        <translation>%1, ainsi que %2</translation>
    </message>
    <message>
        <source>Keeping %1</source>
        <extracomment>The start of the rule&apos;s sentence; %1 lists what is kept: &quot;every track&quot;, &quot;English audio and subtitles, and tracks with no language&quot;.</extracomment>
        <translation>Conserver %1</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>les sous-titres</translation>
    </message>
    <message>
        <source>commentary</source>
        <translation>les commentaires</translation>
    </message>
    <message>
        <source>audio description</source>
        <translation>l&apos;audiodescription</translation>
    </message>
    <message>
        <source>%1; leaving out %2</source>
        <extracomment>%2 lists what a batch leaves out: &quot;subtitles and commentary&quot;.</extracomment>
        <translation>%1&#xa0;; omettre %2</translation>
    </message>
    <message>
        <source>%1; skipping files with no %2 audio</source>
        <translation>%1&#xa0;; ignorer les fichiers sans audio en %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1; defaults follow the order of your languages</source>
        <translation>%1&#xa0;; les pistes par défaut suivent l&apos;ordre de vos langues</translation>
    </message>
    <message>
        <source>%1; not adding files found beside the videos</source>
        <translation>%1&#xa0;; ne pas ajouter les fichiers trouvés à côté des vidéos</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>unknown choice &apos;%1&apos; in --if-no-audio: choose keep-main or skip</source>
        <translation>choix «&#xa0;%1&#xa0;» inconnu pour --if-no-audio&#xa0;: choisissez keep-main ou skip</translation>
    </message>
    <message>
        <source>the file&apos;s main audio</source>
        <translation>l&apos;audio principal du fichier</translation>
    </message>
</context>
<context>
    <name>TrackRuleEditor</name>
    <message>
        <source>Tracks to keep</source>
        <translation>Pistes à garder</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Toutes les langues</translation>
    </message>
    <message>
        <source>Only these:</source>
        <translation>Seulement celles-ci :</translation>
    </message>
    <message>
        <source>audio languages</source>
        <translation>langues de l&apos;audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>subtitle languages</source>
        <translation>langues des sous-titres</translation>
    </message>
    <message>
        <source>Also keep tracks with no language</source>
        <translation>Garder aussi les pistes sans langue</translation>
    </message>
    <message>
        <source>Always keep the file&apos;s main audio</source>
        <translation>Toujours garder l&apos;audio principal du fichier</translation>
    </message>
    <message>
        <source>Leave out commentary</source>
        <translation>Écarter les commentaires</translation>
    </message>
    <message>
        <source>Leave out audio description</source>
        <translation>Écarter l&apos;audiodescription</translation>
    </message>
    <message>
        <source>Keep forced subtitles in the languages of the kept audio</source>
        <translation>Garder les sous-titres forcés dans les langues de l&apos;audio gardé</translation>
    </message>
    <message>
        <source>Add subtitles and audio found beside each video</source>
        <translation>Ajouter les sous-titres et l&apos;audio trouvés à côté de chaque vidéo</translation>
    </message>
    <message>
        <source>Default tracks</source>
        <translation>Pistes par défaut</translation>
    </message>
    <message>
        <source>As in the source</source>
        <translation>Comme dans la source</translation>
    </message>
    <message>
        <source>Follow the order of my languages</source>
        <translation>Suivre l&apos;ordre de mes langues</translation>
    </message>
    <message>
        <source>When a file has no audio in these languages</source>
        <translation>Quand un fichier n&apos;a pas d&apos;audio dans ces langues</translation>
    </message>
    <message>
        <source>Keep its main audio and say so</source>
        <translation>Garder son audio principal et le signaler</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Ignorer le fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>TrackRuleRow</name>
    <message>
        <source>Tracks: %1</source>
        <translation>Pistes : %1</translation>
    </message>
    <message>
        <source>Tracks:</source>
        <translation>Pistes :</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Kestrune is up to date</source>
        <translation>Kestrune est à jour</translation>
    </message>
    <message>
        <source>A new version of Kestrune is available</source>
        <translation>Une nouvelle version de Kestrune est disponible</translation>
    </message>
    <message>
        <source>Kestrune could not check for updates</source>
        <translation>Kestrune n&apos;a pas pu rechercher de mises à jour</translation>
    </message>
    <message>
        <source>Checking for Updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Kestrune %1 is the newest version.</source>
        <translation>Kestrune %1 est la version la plus récente.</translation>
    </message>
    <message>
        <source>Kestrune %1 is available; you have %2.</source>
        <translation>Kestrune %1 est disponible&#xa0;; vous avez la version %2.</translation>
    </message>
    <message>
        <source>Looking for a newer version…</source>
        <translation>Recherche d&apos;une version plus récente…</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
</context>
<context>
    <name>UpdaterCommands</name>
    <message>
        <source>About Kestrune</source>
        <translation>À propos de Kestrune</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Quit Kestrune</source>
        <translation>Quitter Kestrune</translation>
    </message>
    <message>
        <source>Keep File Dates</source>
        <translation>Conserver les dates des fichiers</translation>
    </message>
</context>
<context>
    <name>UpdaterController</name>
    <message>
        <source>The update server refused the connection.</source>
        <translation>Le serveur de mises à jour a refusé la connexion.</translation>
    </message>
    <message>
        <source>The update server could not be found. Check your internet connection.</source>
        <translation>Le serveur de mises à jour est introuvable. Vérifiez votre connexion à Internet.</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>Le serveur de mises à jour n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The update server closed the connection before sending the update feed.</source>
        <translation>Le serveur de mises à jour a fermé la connexion avant d&apos;envoyer le flux de mises à jour.</translation>
    </message>
    <message>
        <source>A secure connection to the update server could not be made.</source>
        <translation>Impossible d&apos;établir une connexion sécurisée avec le serveur de mises à jour.</translation>
    </message>
    <message>
        <source>The update feed was not found at %1.</source>
        <translation>Le flux de mises à jour est introuvable à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>The update feed could not be loaded: %1.</source>
        <translation>Impossible de charger le flux de mises à jour&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The update feed is too large to be one.</source>
        <translation>Le flux de mises à jour est trop volumineux pour en être un.</translation>
    </message>
    <message>
        <source>The update feed lists no versions.</source>
        <translation>Le flux de mises à jour ne contient aucune version.</translation>
    </message>
    <message>
        <source>The update feed is not an RSS feed.</source>
        <translation>Le flux de mises à jour n&apos;est pas un flux RSS.</translation>
    </message>
    <message>
        <source>The update feed is damaged (line %1: %2).</source>
        <translation>Le flux de mises à jour est endommagé (ligne %1&#xa0;: %2).</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message numerus="yes">
        <source>%n more file</source>
        <translation>
            <numerusform>%n autre fichier</numerusform>
            <numerusform>%n autres fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more files</source>
        <translation>
            <numerusform>%n autre fichier</numerusform>
            <numerusform>%n autres fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file converted</source>
        <translation>
            <numerusform>%n fichier converti</numerusform>
            <numerusform>%n fichiers convertis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fichier converti</numerusform>
            <numerusform>%n fichiers convertis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a dropped track</source>
        <translation>
            <numerusform>%n avec une piste abandonnée</numerusform>
            <numerusform>%n avec une piste abandonnée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a warning</source>
        <translation>
            <numerusform>%n avec un avertissement</numerusform>
            <numerusform>%n avec un avertissement</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Rien à convertir</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Comme la source</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Choisissez un dossier…</translation>
    </message>
    <message>
        <source>Converting, %1</source>
        <translation>Conversion en cours, %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion en cours</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Converti&#xa0;: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
</context>
</TS>
