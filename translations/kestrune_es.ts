<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Kestrune</source>
        <translation>Acerca de Kestrune</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (%1).</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (%1).</translation>
    </message>
    <message>
        <source>ffmpeg: %1</source>
        <translation>ffmpeg: %1</translation>
    </message>
    <message>
        <source>ffmpeg not found</source>
        <translation>No se encontró ffmpeg</translation>
    </message>
    <message>
        <source>Looking for ffmpeg…</source>
        <translation>Buscando ffmpeg…</translation>
    </message>
</context>
<context>
    <name>AboutInfo</name>
    <message>
        <source>version unknown</source>
        <translation>versión desconocida</translation>
    </message>
</context>
<context>
    <name>BatchSession</name>
    <message>
        <source>Converting video files</source>
        <translation>Convirtiendo archivos de vídeo</translation>
    </message>
</context>
<context>
    <name>BatchSummaryBanner</name>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message numerus="yes">
        <source>One file made from %n parts</source>
        <translation>
            <numerusform>Un archivo creado a partir de %n parte</numerusform>
            <numerusform>Un archivo creado a partir de %n partes</numerusform>
        </translation>
    </message>
    <message>
        <source>Not joined</source>
        <translation>No unido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The name %1 isn&apos;t valid UTF-8, so it can&apos;t be used. Rename it and try again.</source>
        <translation>El nombre %1 no es UTF-8 válido, así que no se puede usar. Cámbielo e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Files to convert:</source>
        <translation>Archivos para convertir:</translation>
    </message>
    <message>
        <source>Output to:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>Convertir a</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Convirtiendo…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n terminado</numerusform>
            <numerusform>%n terminados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallido</numerusform>
            <numerusform>%n fallidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>ffmpeg not found: install the ffmpeg package</source>
        <translation>No se encontró ffmpeg: instale el paquete ffmpeg</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>Uniendo…</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unir</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kestrune</source>
        <translation>Mostrar Kestrune</translation>
    </message>
</context>
<context>
    <name>DisclosureHeader</name>
    <message>
        <source>expanded</source>
        <translation>expandido</translation>
    </message>
    <message>
        <source>collapsed</source>
        <translation>contraído</translation>
    </message>
</context>
<context>
    <name>FFmpegRunner</name>
    <message>
        <source>ffmpeg wasn&apos;t found. Install the ffmpeg package and try again.</source>
        <translation>No se encontró ffmpeg. Instale el paquete ffmpeg e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 can&apos;t carry the %2 and %3 streams of this file, so the new file lacks them.</source>
        <translation>%1 no puede contener los flujos %2 y %3 de este archivo, así que faltan en el archivo nuevo.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 can&apos;t carry the %2 stream of this file, so the new file lacks it.</source>
        <translation>%1 no puede contener el flujo %2 de este archivo, así que falta en el archivo nuevo.</translation>
    </message>
    <message>
        <source> Try MKV.</source>
        <translation> Pruebe con MKV.</translation>
    </message>
    <message>
        <source>ffmpeg could not be run.</source>
        <translation>No se pudo ejecutar ffmpeg.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The source is encrypted, so it can&apos;t be converted.</source>
        <translation>El origen está cifrado, así que no se puede convertir.</translation>
    </message>
    <message>
        <source>The source holds no stream that ffmpeg can copy.</source>
        <translation>El origen no contiene ningún flujo que ffmpeg pueda copiar.</translation>
    </message>
    <message>
        <source>The source holds a stream in a codec ffmpeg doesn&apos;t know, so it can&apos;t be copied.</source>
        <translation>El origen contiene un flujo en un códec que ffmpeg no conoce, así que no se puede copiar.</translation>
    </message>
    <message>
        <source>The new container can&apos;t hold one of the source&apos;s streams.</source>
        <translation>El nuevo contenedor no puede contener uno de los flujos del origen.</translation>
    </message>
    <message>
        <source>The new container can&apos;t hold the source&apos;s %1 stream.</source>
        <translation>El nuevo contenedor no puede contener el flujo %1 del origen.</translation>
    </message>
    <message>
        <source>ffmpeg exited %1: %2</source>
        <translation>ffmpeg terminó con el código %1: %2</translation>
    </message>
    <message>
        <source>ffmpeg was ended by signal %1 (%2): %3</source>
        <translation>ffmpeg terminó por la señal %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>FileListEntry</name>
    <message>
        <source>Part %1 of %2</source>
        <translation>Parte %1 de %2</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzados</translation>
    </message>
    <message>
        <source>Hearing impaired</source>
        <translation>Para personas sordas</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Audio description</source>
        <translation>Audiodescripción</translation>
    </message>
</context>
<context>
    <name>FileRowView</name>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>tracks chosen for this file</source>
        <translation>pistas elegidas para este archivo</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Tracks: %1</source>
        <translation>Pistas: %1</translation>
    </message>
    <message>
        <source>Chosen for this file</source>
        <translation>Elegidas para este archivo</translation>
    </message>
    <message>
        <source>Back to the rule</source>
        <translation>Volver a la regla</translation>
    </message>
    <message>
        <source>Chapters: %1</source>
        <translation>Capítulos: %1</translation>
    </message>
</context>
<context>
    <name>FilesArea</name>
    <message>
        <source>Files to convert</source>
        <translation>Archivos para convertir</translation>
    </message>
    <message>
        <source>Drop video files here</source>
        <translation>Suelte aquí los archivos de vídeo</translation>
    </message>
    <message>
        <source>Drop or add more files</source>
        <translation>Suelte o añada más archivos</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
</context>
<context>
    <name>JoinCheck</name>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>subtítulos</translation>
    </message>
    <message>
        <source>no tracks</source>
        <translation>ninguna pista</translation>
    </message>
    <message>
        <source>%1×%2 here, %3×%4 there</source>
        <translation>%1×%2 aquí, %3×%4 allí</translation>
    </message>
    <message>
        <source>pixels shaped %1:%2 here, %3:%4 there</source>
        <translation>píxeles en proporción %1:%2 aquí, %3:%4 allí</translation>
    </message>
    <message>
        <source>%1 frames a second here, %2 there</source>
        <translation>%1 fotogramas por segundo aquí, %2 allí</translation>
    </message>
    <message>
        <source>audio at %1 Hz here, %2 Hz there</source>
        <translation>audio a %1 Hz aquí, %2 Hz allí</translation>
    </message>
    <message>
        <source>%1 audio here, %2 there</source>
        <translation>audio %1 aquí, %2 allí</translation>
    </message>
    <message>
        <source>Doesn&apos;t match part 1: %1.</source>
        <translation>No coincide con la parte 1: %1.</translation>
    </message>
    <message>
        <source>%1 here, %2 there</source>
        <translation>%1 aquí, %2 allí</translation>
    </message>
    <message>
        <source>The joined file lasts %1 s, but its parts together last %2 s, so it was not kept.</source>
        <translation>El archivo unido dura %1 s, pero sus partes juntas duran %2 s, así que no se ha conservado.</translation>
    </message>
    <message>
        <source>Track %1 of the joined file holds %2 packets, but the parts hold %3 together, so it was not kept.</source>
        <translation>La pista %1 del archivo unido tiene %2 paquetes, pero las partes tienen %3 juntas, así que no se ha conservado.</translation>
    </message>
    <message>
        <source>In %1 the sound ends %2 s before the picture, so players may pause or drift where the next part begins.</source>
        <translation>En %1 el sonido termina %2 s antes que la imagen, así que los reproductores pueden pausarse o desfasarse donde empieza la parte siguiente.</translation>
    </message>
    <message>
        <source>In %1 the sound ends %2 s after the picture, so players may pause or drift where the next part begins.</source>
        <translation>En %1 el sonido termina %2 s después que la imagen, así que los reproductores pueden pausarse o desfasarse donde empieza la parte siguiente.</translation>
    </message>
    <message>
        <source>%1 video here, %2 there</source>
        <translation>vídeo %1 aquí, %2 allí</translation>
    </message>
    <message>
        <source>%1 subtitles here, %2 there</source>
        <translation>subtítulos %1 aquí, %2 allí</translation>
    </message>
    <message>
        <source>the video was encoded with another profile</source>
        <translation>el vídeo se codificó con otro perfil</translation>
    </message>
    <message>
        <source>the audio was encoded with another profile</source>
        <translation>el audio se codificó con otro perfil</translation>
    </message>
    <message>
        <source>the video was encoded with other settings</source>
        <translation>el vídeo se codificó con otros ajustes</translation>
    </message>
    <message>
        <source>the audio was encoded with other settings</source>
        <translation>el audio se codificó con otros ajustes</translation>
    </message>
</context>
<context>
    <name>JoinCheckBox</name>
    <message>
        <source>Join into one file</source>
        <translation>Unir en un solo archivo</translation>
    </message>
    <message>
        <source>Makes one file of the listed files, in the order shown. Alt+Up and Alt+Down move a file.</source>
        <translation>Crea un solo archivo con los archivos de la lista, en el orden mostrado. Alt+Arriba y Alt+Abajo mueven un archivo.</translation>
    </message>
</context>
<context>
    <name>JoinJob</name>
    <message>
        <source>%1 can&apos;t be read as a video, so the parts can&apos;t be joined.</source>
        <translation>%1 no se puede leer como vídeo, así que las partes no se pueden unir.</translation>
    </message>
    <message>
        <source>Can&apos;t write the list of parts into %1.</source>
        <translation>No se puede escribir la lista de partes en %1.</translation>
    </message>
    <message>
        <source>Files beside the parts were not joined.</source>
        <translation>Los archivos junto a las partes no se han unido.</translation>
    </message>
</context>
<context>
    <name>KeepOriginalCheckBox</name>
    <message>
        <source>Keep original files</source>
        <translation>Conservar los archivos originales</translation>
    </message>
    <message>
        <source>This app only writes a new file — it never deletes your source.</source>
        <translation>Esta aplicación solo escribe un archivo nuevo: nunca elimina el original.</translation>
    </message>
</context>
<context>
    <name>KestruneApp</name>
    <message>
        <source>Puts the streams of video files into another container without re-encoding them.</source>
        <translation>Pasa los flujos de archivos de vídeo a otro contenedor sin recodificarlos.</translation>
    </message>
    <message>
        <source>Video files, or folders of them, to add to the list.</source>
        <translation>Archivos de vídeo, o carpetas que los contengan, para añadir a la lista.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER]...</source>
        <translation>[ARCHIVO|CARPETA]...</translation>
    </message>
    <message>
        <source>The window could not be loaded.</source>
        <translation>No se pudo cargar la ventana.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>Kestrune is already running but did not answer. Try again in a moment.</source>
        <translation>Kestrune ya se está ejecutando pero no responde. Inténtelo de nuevo en un momento.</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemán</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>español</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugués</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>neerlandés</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>sueco</translation>
    </message>
    <message>
        <source>Norwegian Bokmal</source>
        <translation>noruego (bokmal)</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>danés</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>finés</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>islandés</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>polaco</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>checo</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>eslovaco</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>húngaro</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>rumano</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>búlgaro</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>griego</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ruso</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>ucraniano</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>serbio</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>croata</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>esloveno</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>turco</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>árabe</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>hebreo</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>persa</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>hindi</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>bengalí</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>tamil</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>tailandés</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>vietnamita</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>indonesio</translation>
    </message>
    <message>
        <source>Malay</source>
        <translation>malayo</translation>
    </message>
    <message>
        <source>Filipino</source>
        <translation>filipino</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>chino</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>coreano</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>catalán</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>estonio</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>letón</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>lituano</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>latín</translation>
    </message>
</context>
<context>
    <name>LanguagePicker</name>
    <message>
        <source>No language chosen yet</source>
        <translation>Aún no hay ningún idioma elegido</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Buscar idiomas</translation>
    </message>
    <message>
        <source>Search %1</source>
        <translation>Buscar en %1</translation>
    </message>
</context>
<context>
    <name>LinearProgress</name>
    <message>
        <source>Overall progress %1</source>
        <translation>Progreso total %1</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>subtitle</source>
        <translation>subtítulos</translation>
    </message>
    <message>
        <source>data</source>
        <translation>datos</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>adjunto</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
</context>
<context>
    <name>OutputDestinationMenu</name>
    <message>
        <source>Output to: %1</source>
        <translation>Destino: %1</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Igual que el origen</translation>
    </message>
    <message>
        <source>Choose folder…</source>
        <translation>Elegir carpeta…</translation>
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
        <translation>La carátula no se pudo copiar a %1 y se omitió.</translation>
    </message>
    <message>
        <source>An attachment (such as a font) couldn&apos;t be copied into %1 and was left out.</source>
        <translation>Un adjunto (como una tipografía) no se pudo copiar a %1 y se omitió.</translation>
    </message>
    <message numerus="yes">
        <source>%n attachments (such as fonts) couldn&apos;t be copied into %1 and were left out.</source>
        <translation>
            <numerusform>%n adjunto (como una tipografía) no se pudo copiar a %1 y se omitió.</numerusform>
            <numerusform>%n adjuntos (como tipografías) no se pudieron copiar a %1 y se omitieron.</numerusform>
        </translation>
    </message>
    <message>
        <source>The chapters couldn&apos;t be copied into %1 and were left out.</source>
        <translation>Los capítulos no se pudieron copiar a %1 y se omitieron.</translation>
    </message>
    <message>
        <source>The source seems damaged: it says it lasts %1, but only %2 could be copied.</source>
        <translation>El origen parece dañado: indica que dura %1, pero solo se pudieron copiar %2.</translation>
    </message>
    <message>
        <source>The cover art arrived as an ordinary video track, so players may show it as a second video.</source>
        <translation>La carátula llegó como una pista de vídeo normal, así que los reproductores pueden mostrarla como un segundo vídeo.</translation>
    </message>
    <message>
        <source>%1 holds no audio or video samples, so there is nothing to convert.</source>
        <translation>%1 no contiene muestras de audio ni de vídeo, así que no hay nada que convertir.</translation>
    </message>
    <message>
        <source>The new file can&apos;t be read back, so it was not kept.</source>
        <translation>El archivo nuevo no se puede volver a leer, así que no se conservó.</translation>
    </message>
    <message>
        <source>The new file holds no audio or video samples, so it was not kept.</source>
        <translation>El archivo nuevo no contiene muestras de audio ni de vídeo, así que no se conservó.</translation>
    </message>
    <message>
        <source>A track&apos;s language, title or flags didn&apos;t arrive as they were.</source>
        <translation>El idioma, el título o los indicadores de una pista no llegaron tal como estaban.</translation>
    </message>
    <message numerus="yes">
        <source>%n tracks&apos; languages, titles or flags didn&apos;t arrive as they were.</source>
        <translation>
            <numerusform>El idioma, el título o los indicadores de %n pista no llegaron tal como estaban.</numerusform>
            <numerusform>Los idiomas, los títulos o los indicadores de %n pistas no llegaron tal como estaban.</numerusform>
        </translation>
    </message>
    <message>
        <source>The video&apos;s rotation didn&apos;t arrive as it was.</source>
        <translation>El giro del vídeo no llegó como estaba.</translation>
    </message>
    <message>
        <source>The video&apos;s Dolby Vision didn&apos;t arrive as planned.</source>
        <translation>El Dolby Vision del vídeo no llegó como estaba previsto.</translation>
    </message>
    <message>
        <source>The video&apos;s colour tags didn&apos;t arrive as they were.</source>
        <translation>Las etiquetas de color del vídeo no llegaron como estaban.</translation>
    </message>
    <message>
        <source>The video isn&apos;t marked %1, so Apple&apos;s players may not open it.</source>
        <translation>El vídeo no está marcado como %1, así que los reproductores de Apple quizá no lo abran.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters arrived.</source>
        <translation>Llegaron %1 de %2 capítulos.</translation>
    </message>
    <message>
        <source>The video&apos;s mastering display and light level didn&apos;t arrive.</source>
        <translation>Los datos de pantalla de masterización y nivel de luz del vídeo no llegaron.</translation>
    </message>
</context>
<context>
    <name>RemuxJob</name>
    <message>
        <source>This file&apos;s name is not valid UTF-8, so it can&apos;t be handed to ffmpeg. Rename it and add it again.</source>
        <translation>El nombre de este archivo no es UTF-8 válido, así que no se puede pasar a ffmpeg. Cámbiele el nombre y vuelva a añadirlo.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a regular file, so it can&apos;t be converted.</source>
        <translation>%1 no es un archivo normal, así que no se puede convertir.</translation>
    </message>
    <message>
        <source>%1 stopped answering while it was read, so it was skipped. Check that its drive or share is still there.</source>
        <translation>%1 dejó de responder mientras se leía, así que se omitió. Compruebe que su unidad o recurso compartido sigue disponible.</translation>
    </message>
    <message>
        <source>Can&apos;t write into %1: %2.</source>
        <translation>No se puede escribir en %1: %2.</translation>
    </message>
    <message>
        <source>The new file of %1 stopped answering while it was checked, so it was not kept. Check that its drive or share is still there.</source>
        <translation>El archivo nuevo de %1 dejó de responder mientras se comprobaba, así que no se conservó. Compruebe que su unidad o recurso compartido sigue disponible.</translation>
    </message>
    <message>
        <source>The new file %1 couldn&apos;t be saved: %2.</source>
        <translation>El archivo nuevo %1 no se pudo guardar: %2.</translation>
    </message>
    <message>
        <source>%1 is no longer beside the video, so it was left out.</source>
        <translation>%1 ya no está junto al vídeo, así que se omitió.</translation>
    </message>
    <message>
        <source>The tracks of %1 couldn&apos;t be read, so the tracks you chose can&apos;t be picked out.</source>
        <translation>No se pudieron leer las pistas de %1, así que no se pueden separar las pistas elegidas.</translation>
    </message>
</context>
<context>
    <name>RemuxViewModel</name>
    <message>
        <source>A data track couldn&apos;t be copied into %1 and was dropped (timecode usually survives)</source>
        <translation>Una pista de datos no se pudo copiar a %1 y se descartó (el código de tiempo suele conservarse)</translation>
    </message>
    <message>
        <source>%1 isn&apos;t on this computer, so it can&apos;t be added. Open its share in the file manager first.</source>
        <translation>%1 no está en este equipo, así que no se puede añadir. Abra primero su recurso compartido en el gestor de archivos.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more aren&apos;t on this computer, so they can&apos;t be added. Open their share in the file manager first.</source>
        <translation>
            <numerusform>%1 y %n más no están en este equipo, así que no se pueden añadir. Abra primero su recurso compartido en el gestor de archivos.</numerusform>
            <numerusform>%1 y %n más no están en este equipo, así que no se pueden añadir. Abra primero su recurso compartido en el gestor de archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Output Folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found, so it can&apos;t be converted.</source>
        <translation>No se ha encontrado %1, así que no se puede convertir.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a kind of video file Kestrune converts.</source>
        <translation>%1 no es un tipo de archivo de vídeo que Kestrune convierta.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a regular file, so it can&apos;t be converted.</source>
        <translation>%1 no es un archivo normal, así que no se puede convertir.</translation>
    </message>
    <message>
        <source>The folder for the new file of %1 stopped answering, so it was skipped. Check that its drive or share is still there.</source>
        <translation>La carpeta del archivo nuevo de %1 dejó de responder, así que el archivo se omitió. Compruebe que su unidad o recurso compartido sigue disponible.</translation>
    </message>
    <message>
        <source>%1 stopped answering, so it wasn&apos;t added. Check that its drive or share is still there.</source>
        <translation>%1 dejó de responder, así que no se añadió. Compruebe que su unidad o recurso compartido sigue disponible.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more stopped answering, so they weren&apos;t added. Check that their drive or share is still there.</source>
        <translation>
            <numerusform>%1 y %n más dejaron de responder, así que no se añadieron. Compruebe que su unidad o recurso compartido sigue disponible.</numerusform>
            <numerusform>%1 y %n más dejaron de responder, así que no se añadieron. Compruebe que su unidad o recurso compartido sigue disponible.</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder for the joined file stopped answering, so nothing was joined.</source>
        <translation>La carpeta del archivo unido dejó de responder, así que no se unió nada.</translation>
    </message>
</context>
<context>
    <name>RetryPolicy</name>
    <message>
        <source>The source lacks timestamps, so new ones were generated.</source>
        <translation>El origen no tiene marcas de tiempo, así que se generaron nuevas.</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
</context>
<context>
    <name>TerminalConversion</name>
    <message>
        <source>Convert without a window into &lt;container&gt;: mkv, mp4, mov, webm or ts.</source>
        <translation>Convertir sin ventana a &lt;contenedor&gt;: mkv, mp4, mov, webm o ts.</translation>
    </message>
    <message>
        <source>container</source>
        <translation>contenedor</translation>
    </message>
    <message>
        <source>With --to: write the new files into &lt;folder&gt; instead of beside each source.</source>
        <translation>Con --to: escribir los archivos nuevos en &lt;carpeta&gt; en lugar de junto a cada original.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>With --to: give the new files the current date, not their source&apos;s.</source>
        <translation>Con --to: dar a los archivos nuevos la fecha actual, no la de su original.</translation>
    </message>
    <message>
        <source>Video files, or folders of them, to convert.</source>
        <translation>Archivos de vídeo, o carpetas que los contengan, para convertir.</translation>
    </message>
    <message>
        <source>--%1 works only with --to. Name the container to convert into.</source>
        <translation>--%1 solo funciona con --to. Indique el contenedor de destino.</translation>
    </message>
    <message>
        <source>Unknown container &quot;%1&quot;. Choose mkv, mp4, mov, webm or ts.</source>
        <translation>Contenedor «%1» desconocido. Elija mkv, mp4, mov, webm o ts.</translation>
    </message>
    <message>
        <source>The folder %1 doesn&apos;t exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>Name the files or folders to convert.</source>
        <translation>Indique los archivos o carpetas que quiere convertir.</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>languages</source>
        <translation>idiomas</translation>
    </message>
    <message>
        <source>With --to: keep audio and subtitles in &lt;languages&gt; only (codes or names, separated by commas).</source>
        <translation>Con --to: conservar solo el audio y los subtítulos en &lt;idiomas&gt; (códigos o nombres, separados por comas).</translation>
    </message>
    <message>
        <source>With --to: keep audio in &lt;languages&gt; only, or in all.</source>
        <translation>Con --to: conservar solo el audio en &lt;idiomas&gt;, o en todos (all).</translation>
    </message>
    <message>
        <source>With --to: keep subtitles in &lt;languages&gt; only, in all or in none.</source>
        <translation>Con --to: conservar solo los subtítulos en &lt;idiomas&gt;, en todos (all) o ninguno (none).</translation>
    </message>
    <message>
        <source>With --to: keep commentary, which a list of languages leaves out.</source>
        <translation>Con --to: conservar los comentarios, que una lista de idiomas omite.</translation>
    </message>
    <message>
        <source>With --to: when a file has no audio in those languages, keep-main keeps its main audio (the default), skip leaves the file out.</source>
        <translation>Con --to: si un archivo no tiene audio en esos idiomas, keep-main conserva su audio principal (lo predeterminado) y skip omite el archivo.</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>opción</translation>
    </message>
    <message>
        <source>With --to: don&apos;t add the subtitles and audio found beside each video.</source>
        <translation>Con --to: no añadir los subtítulos y el audio que hay junto a cada vídeo.</translation>
    </message>
    <message>
        <source>With --to: list each file&apos;s tracks and what would become of them, and write nothing.</source>
        <translation>Con --to: listar las pistas de cada archivo y qué pasaría con ellas, sin escribir nada.</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>subtítulos</translation>
    </message>
    <message>
        <source>data</source>
        <translation>datos</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>adjunto</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminada</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forzados</translation>
    </message>
    <message>
        <source>hearing impaired</source>
        <translation>para personas sordas</translation>
    </message>
    <message>
        <source>audio description</source>
        <translation>audiodescripción</translation>
    </message>
    <message>
        <source>commentary</source>
        <translation>comentario</translation>
    </message>
    <message>
        <source>original</source>
        <translation>original</translation>
    </message>
    <message>
        <source>cover art</source>
        <translation>portada</translation>
    </message>
    <message>
        <source>%1: Its tracks couldn&apos;t be read.</source>
        <translation>%1: no se pudieron leer sus pistas.</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>omitida</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadida</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>convertida</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>conservada</translation>
    </message>
    <message>
        <source>rotated %1°</source>
        <extracomment>A video&apos;s line in --show-tracks: &quot;rotated 90°&quot;.</extracomment>
        <translation>girado %1°</translation>
    </message>
    <message numerus="yes">
        <source>%n chapters</source>
        <translation>
            <numerusform>%n capítulo</numerusform>
            <numerusform>%n capítulos</numerusform>
        </translation>
    </message>
    <message>
        <source>With --to: keep each file&apos;s main audio too, whatever its language.</source>
        <translation>Con --to: conservar también el audio principal de cada archivo, sea cual sea su idioma.</translation>
    </message>
    <message>
        <source>mastering display</source>
        <translation>pantalla de masterización</translation>
    </message>
    <message>
        <source>light level</source>
        <translation>nivel de luz</translation>
    </message>
</context>
<context>
    <name>TerminalJoin</name>
    <message>
        <source>With --to: join the files, in the order given, into one file named after the first.</source>
        <translation>Con --to: unir los archivos, en el orden dado, en un solo archivo con el nombre del primero.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, read as one recording:</source>
        <translation>
            <numerusform>%n parte, leída como una sola grabación:</numerusform>
            <numerusform>%n partes, leídas como una sola grabación:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, joined one after the other:</source>
        <translation>
            <numerusform>%n parte, unida una tras otra:</numerusform>
            <numerusform>%n partes, unidas una tras otra:</numerusform>
        </translation>
    </message>
    <message>
        <source>Tracks, from part 1:</source>
        <translation>Pistas, de la parte 1:</translation>
    </message>
    <message>
        <source>Name at least two video files, or a folder of them, to join.</source>
        <translation>Indique al menos dos archivos de vídeo, o una carpeta con ellos, para unir.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more: Not joined: %2</source>
        <translation>
            <numerusform>%1 y %n más: No unido: %2</numerusform>
            <numerusform>%1 y %n más: No unido: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more → %2: Joined</source>
        <translation>
            <numerusform>%1 y %n más → %2: Unido</numerusform>
            <numerusform>%1 y %n más → %2: Unido</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrackLine</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Adjunto</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>MP4 text</source>
        <translation>Texto MP4</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertida</translation>
    </message>
    <message>
        <source>Added from beside the video</source>
        <translation>Añadida desde junto al vídeo</translation>
    </message>
    <message>
        <source>%1 video</source>
        <translation>vídeo en %1</translation>
    </message>
    <message>
        <source>%1 audio</source>
        <translation>audio en %1</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>subtítulos en %1</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>conservada</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>omitida</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>The subtitles were converted to MP4&apos;s text format; their styling was lost.</source>
        <translation>Los subtítulos se convirtieron al formato de texto de MP4; se perdió su estilo.</translation>
    </message>
    <message>
        <source>The subtitles were converted to MP4&apos;s text format.</source>
        <translation>Los subtítulos se convirtieron al formato de texto de MP4.</translation>
    </message>
    <message>
        <source>The subtitles were converted to WebVTT; their styling was lost.</source>
        <translation>Los subtítulos se convirtieron a WebVTT; se perdió su estilo.</translation>
    </message>
    <message>
        <source>The subtitles were converted to WebVTT.</source>
        <translation>Los subtítulos se convirtieron a WebVTT.</translation>
    </message>
    <message>
        <source>The subtitles were converted to SRT.</source>
        <translation>Los subtítulos se convirtieron a SRT.</translation>
    </message>
    <message>
        <source>A stream ffmpeg doesn&apos;t know was left out.</source>
        <translation>Se omitió un flujo que ffmpeg no conoce.</translation>
    </message>
    <message numerus="yes">
        <source>%n streams ffmpeg doesn&apos;t know were left out.</source>
        <translation>
            <numerusform>Se omitió %n flujo que ffmpeg no conoce.</numerusform>
            <numerusform>Se omitieron %n flujos que ffmpeg no conoce.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can&apos;t record the language or title of every track, so some were left out.</source>
        <translation>%1 no puede guardar el idioma o el título de cada pista, así que se omitieron algunos.</translation>
    </message>
    <message>
        <source>Can&apos;t be read</source>
        <translation>No se puede leer</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read, so it was left out.</source>
        <translation>%1 no se puede leer, así que se omitió.</translation>
    </message>
    <message>
        <source>%1 subtitles can&apos;t go into %2</source>
        <extracomment>Why a track was left out: &quot;PGS subtitles can&apos;t go into MP4&quot;.</extracomment>
        <translation>Los subtítulos %1 no caben en %2</translation>
    </message>
    <message>
        <source>%1 audio can&apos;t go into %2</source>
        <translation>El audio %1 no cabe en %2</translation>
    </message>
    <message>
        <source>%1 can&apos;t go into %2, so it was left out.</source>
        <translation>%1 no cabe en %2, así que se omitió.</translation>
    </message>
    <message>
        <source>%1 subtitles can&apos;t go into %2, so they were left out.</source>
        <translation>Los subtítulos %1 no caben en %2, así que se omitieron.</translation>
    </message>
    <message>
        <source>%1 audio can&apos;t go into %2, so it was left out.</source>
        <translation>El audio %1 no cabe en %2, así que se omitió.</translation>
    </message>
    <message>
        <source>Unknown to ffmpeg</source>
        <translation>Desconocido para ffmpeg</translation>
    </message>
    <message>
        <source>Data tracks can&apos;t go into %1</source>
        <translation>Las pistas de datos no caben en %1</translation>
    </message>
    <message>
        <source>Attachments can&apos;t go into %1</source>
        <translation>Los adjuntos no caben en %1</translation>
    </message>
    <message>
        <source>This cover art can&apos;t go into %1</source>
        <translation>Esta portada no cabe en %1</translation>
    </message>
    <message>
        <source>Converted to MP4&apos;s text format</source>
        <translation>Convertido al formato de texto de MP4</translation>
    </message>
    <message>
        <source>Converted to WebVTT</source>
        <translation>Convertido a WebVTT</translation>
    </message>
    <message>
        <source>Converted to SRT</source>
        <translation>Convertido a SRT</translation>
    </message>
    <message>
        <source>Attached as cover art</source>
        <translation>Adjuntada como portada</translation>
    </message>
    <message>
        <source>The encoding of %1 couldn&apos;t be told, so it was read as Windows-1252.</source>
        <translation>No se pudo saber la codificación de %1, así que se leyó como Windows-1252.</translation>
    </message>
    <message>
        <source>Every track</source>
        <translation>Todas las pistas</translation>
    </message>
    <message>
        <source>%1 of %2 audio</source>
        <extracomment>The row&apos;s line: &quot;2 of 4 audio · 1 of 3 subtitles&quot;.</extracomment>
        <translation>%1 de %2 audio</translation>
    </message>
    <message>
        <source>%1 of 1 subtitle</source>
        <translation>%1 de 1 subtítulo</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n subtitles</source>
        <translation>
            <numerusform>%1 de %n subtítulos</numerusform>
            <numerusform>%1 de %n subtítulos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 side file</source>
        <translation>1 archivo al lado</translation>
    </message>
    <message numerus="yes">
        <source>%n side files</source>
        <translation>
            <numerusform>%n archivo al lado</numerusform>
            <numerusform>%n archivos al lado</numerusform>
        </translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Sin idioma</translation>
    </message>
    <message>
        <source>%1: not in your languages</source>
        <extracomment>Why a track was left out: &quot;German: not in your languages&quot;.</extracomment>
        <translation>%1: no está en sus idiomas</translation>
    </message>
    <message>
        <source>Left out by you</source>
        <translation>Omitida por usted</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Audio description</source>
        <translation>Audiodescripción</translation>
    </message>
    <message>
        <source>Skipped: no %1 audio</source>
        <extracomment>A file the rule skips: &quot;Skipped: no English or Japanese audio&quot;.</extracomment>
        <translation>Omitido: no hay audio en %1</translation>
    </message>
    <message>
        <source>No %1 audio here, so the main audio was kept.</source>
        <translation>Aquí no hay audio en %1, así que se mantuvo el audio principal.</translation>
    </message>
    <message>
        <source>No %1 audio here, so the main audio (%2) was kept.</source>
        <translation>Aquí no hay audio en %1, así que se mantuvo el audio principal (%2).</translation>
    </message>
    <message>
        <source>No subtitles chosen</source>
        <translation>No se eligieron subtítulos</translation>
    </message>
    <message>
        <source>No %1 subtitles here, so none were kept.</source>
        <translation>Aquí no hay subtítulos en %1, así que no se mantuvo ninguno.</translation>
    </message>
    <message>
        <source>HDR (HLG)</source>
        <translation>HDR (HLG)</translation>
    </message>
    <message>
        <source>%1 can&apos;t record that this video is upside down, so players will show it that way.</source>
        <translation>%1 no puede indicar que este vídeo está boca abajo, así que los reproductores lo mostrarán así.</translation>
    </message>
    <message>
        <source>%1 can&apos;t record that this video is turned %2°, so players will show it sideways.</source>
        <translation>%1 no puede indicar que este vídeo está girado %2°, así que los reproductores lo mostrarán de lado.</translation>
    </message>
    <message>
        <source>%1 can&apos;t keep Dolby Vision, and this video plays in wrong colours without it.</source>
        <translation>%1 no puede conservar Dolby Vision, y sin él este vídeo se ve con colores erróneos.</translation>
    </message>
    <message>
        <source>%1 can&apos;t keep Dolby Vision, so this video will play as %2.</source>
        <translation>%1 no puede conservar Dolby Vision, así que este vídeo se reproducirá como %2.</translation>
    </message>
    <message>
        <source>Skipped: no audio that can go into %1</source>
        <translation>Omitido: ningún audio puede ir en %1</translation>
    </message>
    <message>
        <source>None of this file&apos;s audio can go into %1.</source>
        <translation>Ningún audio de este archivo puede ir en %1.</translation>
    </message>
    <message>
        <source>Another audio track was kept in its place, so the new file has sound.</source>
        <translation>Se mantuvo otra pista de audio en su lugar, para que el archivo nuevo tenga sonido.</translation>
    </message>
    <message>
        <source>The %1 audio was kept in its place, so the new file has sound.</source>
        <translation>Se mantuvo el audio en %1 en su lugar, para que el archivo nuevo tenga sonido.</translation>
    </message>
</context>
<context>
    <name>TrackRule</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;French and Japanese&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list but the last two: &quot;English, French&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 audio and subtitles</source>
        <translation>el audio y los subtítulos en %1</translation>
    </message>
    <message>
        <source>all audio</source>
        <translation>todo el audio</translation>
    </message>
    <message>
        <source>%1 audio</source>
        <translation>el audio en %1</translation>
    </message>
    <message>
        <source>all subtitles</source>
        <translation>todos los subtítulos</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>los subtítulos en %1</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; in %2</source>
        <translation>idioma «%1» desconocido en %2</translation>
    </message>
    <message>
        <source>tracks with no language</source>
        <translation>las pistas sin idioma</translation>
    </message>
    <message>
        <source>forced subtitles in the audio&apos;s languages</source>
        <translation>los subtítulos forzados en los idiomas del audio</translation>
    </message>
    <message>
        <source>every track</source>
        <translation>todas las pistas</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <extracomment>%1 is the kept audio and subtitles, %2 what is kept besides: &quot;tracks with no language&quot;.</extracomment>
        <translation>%1, además de %2</translation>
    </message>
    <message>
        <source>Keeping %1</source>
        <extracomment>The start of the rule&apos;s sentence; %1 lists what is kept: &quot;every track&quot;, &quot;English audio and subtitles, and tracks with no language&quot;.</extracomment>
        <translation>Conservar %1</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>los subtítulos</translation>
    </message>
    <message>
        <source>commentary</source>
        <translation>los comentarios</translation>
    </message>
    <message>
        <source>audio description</source>
        <translation>la audiodescripción</translation>
    </message>
    <message>
        <source>%1; leaving out %2</source>
        <extracomment>%2 lists what a batch leaves out: &quot;subtitles and commentary&quot;.</extracomment>
        <translation>%1; dejar fuera %2</translation>
    </message>
    <message>
        <source>%1; skipping files with no %2 audio</source>
        <translation>%1; omitir los archivos sin audio en %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1; defaults follow the order of your languages</source>
        <translation>%1; las pistas predeterminadas siguen el orden de sus idiomas</translation>
    </message>
    <message>
        <source>%1; not adding files found beside the videos</source>
        <translation>%1; no añadir los archivos encontrados junto a los vídeos</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>unknown choice &apos;%1&apos; in --if-no-audio: choose keep-main or skip</source>
        <translation>opción «%1» desconocida en --if-no-audio: elija keep-main o skip</translation>
    </message>
    <message>
        <source>the file&apos;s main audio</source>
        <translation>el audio principal del archivo</translation>
    </message>
</context>
<context>
    <name>TrackRuleEditor</name>
    <message>
        <source>Tracks to keep</source>
        <translation>Pistas que conservar</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Todos los idiomas</translation>
    </message>
    <message>
        <source>Only these:</source>
        <translation>Solo estos:</translation>
    </message>
    <message>
        <source>audio languages</source>
        <translation>idiomas del audio</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>subtitle languages</source>
        <translation>idiomas de los subtítulos</translation>
    </message>
    <message>
        <source>Also keep tracks with no language</source>
        <translation>Conservar también las pistas sin idioma</translation>
    </message>
    <message>
        <source>Always keep the file&apos;s main audio</source>
        <translation>Conservar siempre el audio principal del archivo</translation>
    </message>
    <message>
        <source>Leave out commentary</source>
        <translation>Omitir los comentarios</translation>
    </message>
    <message>
        <source>Leave out audio description</source>
        <translation>Omitir la audiodescripción</translation>
    </message>
    <message>
        <source>Keep forced subtitles in the languages of the kept audio</source>
        <translation>Conservar los subtítulos forzados en los idiomas del audio conservado</translation>
    </message>
    <message>
        <source>Add subtitles and audio found beside each video</source>
        <translation>Añadir los subtítulos y el audio que hay junto a cada vídeo</translation>
    </message>
    <message>
        <source>Default tracks</source>
        <translation>Pistas predeterminadas</translation>
    </message>
    <message>
        <source>As in the source</source>
        <translation>Como en el original</translation>
    </message>
    <message>
        <source>Follow the order of my languages</source>
        <translation>Seguir el orden de mis idiomas</translation>
    </message>
    <message>
        <source>When a file has no audio in these languages</source>
        <translation>Si un archivo no tiene audio en estos idiomas</translation>
    </message>
    <message>
        <source>Keep its main audio and say so</source>
        <translation>Conservar su audio principal y decirlo</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>Omitir el archivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>TrackRuleRow</name>
    <message>
        <source>Tracks: %1</source>
        <translation>Pistas: %1</translation>
    </message>
    <message>
        <source>Tracks:</source>
        <translation>Pistas:</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Kestrune is up to date</source>
        <translation>Kestrune está actualizado</translation>
    </message>
    <message>
        <source>A new version of Kestrune is available</source>
        <translation>Hay una versión nueva de Kestrune disponible</translation>
    </message>
    <message>
        <source>Kestrune could not check for updates</source>
        <translation>Kestrune no pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>Checking for Updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>Kestrune %1 is the newest version.</source>
        <translation>Kestrune %1 es la versión más reciente.</translation>
    </message>
    <message>
        <source>Kestrune %1 is available; you have %2.</source>
        <translation>Kestrune %1 está disponible; tiene la versión %2.</translation>
    </message>
    <message>
        <source>Looking for a newer version…</source>
        <translation>Buscando una versión más reciente…</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de la versión</translation>
    </message>
</context>
<context>
    <name>UpdaterCommands</name>
    <message>
        <source>About Kestrune</source>
        <translation>Acerca de Kestrune</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit Kestrune</source>
        <translation>Salir de Kestrune</translation>
    </message>
    <message>
        <source>Keep File Dates</source>
        <translation>Conservar las fechas de los archivos</translation>
    </message>
</context>
<context>
    <name>UpdaterController</name>
    <message>
        <source>The update server refused the connection.</source>
        <translation>El servidor de actualizaciones rechazó la conexión.</translation>
    </message>
    <message>
        <source>The update server could not be found. Check your internet connection.</source>
        <translation>No se encontró el servidor de actualizaciones. Compruebe su conexión a Internet.</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>El servidor de actualizaciones no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The update server closed the connection before sending the update feed.</source>
        <translation>El servidor de actualizaciones cerró la conexión antes de enviar la fuente de actualizaciones.</translation>
    </message>
    <message>
        <source>A secure connection to the update server could not be made.</source>
        <translation>No se pudo establecer una conexión segura con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>The update feed was not found at %1.</source>
        <translation>No se encontró la fuente de actualizaciones en %1.</translation>
    </message>
    <message>
        <source>The update feed could not be loaded: %1.</source>
        <translation>No se pudo cargar la fuente de actualizaciones: %1.</translation>
    </message>
    <message>
        <source>The update feed is too large to be one.</source>
        <translation>La fuente de actualizaciones es demasiado grande para ser una.</translation>
    </message>
    <message>
        <source>The update feed lists no versions.</source>
        <translation>La fuente de actualizaciones no contiene ninguna versión.</translation>
    </message>
    <message>
        <source>The update feed is not an RSS feed.</source>
        <translation>La fuente de actualizaciones no es una fuente RSS.</translation>
    </message>
    <message>
        <source>The update feed is damaged (line %1: %2).</source>
        <translation>La fuente de actualizaciones está dañada (línea %1: %2).</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message numerus="yes">
        <source>%n more file</source>
        <translation>
            <numerusform>%n archivo más</numerusform>
            <numerusform>%n archivos más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more files</source>
        <translation>
            <numerusform>%n archivo más</numerusform>
            <numerusform>%n archivos más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file converted</source>
        <translation>
            <numerusform>%n archivo convertido</numerusform>
            <numerusform>%n archivos convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n archivo convertido</numerusform>
            <numerusform>%n archivos convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a dropped track</source>
        <translation>
            <numerusform>%n con una pista descartada</numerusform>
            <numerusform>%n con una pista descartada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a warning</source>
        <translation>
            <numerusform>%n con una advertencia</numerusform>
            <numerusform>%n con una advertencia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallido</numerusform>
            <numerusform>%n fallidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Nada que convertir</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Igual que el origen</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Elija una carpeta…</translation>
    </message>
    <message>
        <source>Converting, %1</source>
        <translation>Convirtiendo, %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>Convertido: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
</context>
</TS>
