<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Kestrune</source>
        <translation>Kestrune について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (%1).</source>
        <translation>GNU 一般公衆利用許諾書バージョン 3 以降 (%1) で配布されるフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>ffmpeg: %1</source>
        <translation>ffmpeg: %1</translation>
    </message>
    <message>
        <source>ffmpeg not found</source>
        <translation>ffmpeg が見つかりません</translation>
    </message>
    <message>
        <source>Looking for ffmpeg…</source>
        <translation>ffmpeg を探しています…</translation>
    </message>
</context>
<context>
    <name>AboutInfo</name>
    <message>
        <source>version unknown</source>
        <translation>バージョン不明</translation>
    </message>
</context>
<context>
    <name>BatchSession</name>
    <message>
        <source>Converting video files</source>
        <translation>ビデオファイルを変換中</translation>
    </message>
</context>
<context>
    <name>BatchSummaryBanner</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message numerus="yes">
        <source>One file made from %n parts</source>
        <translation>
            <numerusform>%n 個のパートから 1 つのファイルを作成しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Not joined</source>
        <translation>結合されませんでした</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The name %1 isn&apos;t valid UTF-8, so it can&apos;t be used. Rename it and try again.</source>
        <translation>名前 %1 は有効な UTF-8 ではないため、使用できません。名前を変更してから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Files to convert:</source>
        <translation>変換するファイル:</translation>
    </message>
    <message>
        <source>Output to:</source>
        <translation>出力先:</translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>変換中…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n 件完了</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 件失敗</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>ffmpeg not found: install the ffmpeg package</source>
        <translation>ffmpeg が見つかりません: ffmpeg パッケージをインストールしてください</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>結合中…</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>結合</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show Kestrune</source>
        <translation>Kestrune を表示</translation>
    </message>
</context>
<context>
    <name>DisclosureHeader</name>
    <message>
        <source>expanded</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>collapsed</source>
        <translation>折りたたみ</translation>
    </message>
</context>
<context>
    <name>FFmpegRunner</name>
    <message>
        <source>ffmpeg wasn&apos;t found. Install the ffmpeg package and try again.</source>
        <translation>ffmpeg が見つかりませんでした。ffmpeg パッケージをインストールしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 can&apos;t carry the %2 and %3 streams of this file, so the new file lacks them.</source>
        <translation>%1 はこのファイルの %2 と %3 のストリームを格納できないため、新しいファイルには含まれていません。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 can&apos;t carry the %2 stream of this file, so the new file lacks it.</source>
        <translation>%1 はこのファイルの %2 ストリームを格納できないため、新しいファイルには含まれていません。</translation>
    </message>
    <message>
        <source> Try MKV.</source>
        <translation>MKV をお試しください。</translation>
    </message>
    <message>
        <source>ffmpeg could not be run.</source>
        <translation>ffmpeg を実行できませんでした。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました。</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>The source is encrypted, so it can&apos;t be converted.</source>
        <translation>ソースが暗号化されているため、変換できません。</translation>
    </message>
    <message>
        <source>The source holds no stream that ffmpeg can copy.</source>
        <translation>ソースには ffmpeg がコピーできるストリームがありません。</translation>
    </message>
    <message>
        <source>The source holds a stream in a codec ffmpeg doesn&apos;t know, so it can&apos;t be copied.</source>
        <translation>ソースに ffmpeg が認識できないコーデックのストリームが含まれているため、コピーできません。</translation>
    </message>
    <message>
        <source>The new container can&apos;t hold one of the source&apos;s streams.</source>
        <translation>新しいコンテナーはソースのストリームの 1 つを格納できません。</translation>
    </message>
    <message>
        <source>The new container can&apos;t hold the source&apos;s %1 stream.</source>
        <translation>新しいコンテナーはソースの %1 ストリームを格納できません。</translation>
    </message>
    <message>
        <source>ffmpeg exited %1: %2</source>
        <translation>ffmpeg が終了コード %1 で終了しました: %2</translation>
    </message>
    <message>
        <source>ffmpeg was ended by signal %1 (%2): %3</source>
        <translation>ffmpeg がシグナル %1 (%2) で終了しました: %3</translation>
    </message>
</context>
<context>
    <name>FileListEntry</name>
    <message>
        <source>Part %1 of %2</source>
        <translation>パート %1 / %2</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>強制</translation>
    </message>
    <message>
        <source>Hearing impaired</source>
        <translation>聴覚障害者向け</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>コメンタリー</translation>
    </message>
    <message>
        <source>Audio description</source>
        <translation>音声解説</translation>
    </message>
</context>
<context>
    <name>FileRowView</name>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Remove from list</source>
        <translation>リストから削除</translation>
    </message>
    <message>
        <source>tracks chosen for this file</source>
        <translation>このファイル用に選んだトラック</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Tracks: %1</source>
        <translation>トラック: %1</translation>
    </message>
    <message>
        <source>Chosen for this file</source>
        <translation>このファイル用に選択</translation>
    </message>
    <message>
        <source>Back to the rule</source>
        <translation>ルールに戻す</translation>
    </message>
    <message>
        <source>Chapters: %1</source>
        <translation>チャプター: %1</translation>
    </message>
</context>
<context>
    <name>FilesArea</name>
    <message>
        <source>Files to convert</source>
        <translation>変換するファイル</translation>
    </message>
    <message>
        <source>Drop video files here</source>
        <translation>ここにビデオファイルをドロップ</translation>
    </message>
    <message>
        <source>Drop or add more files</source>
        <translation>さらにファイルをドロップまたは追加</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
</context>
<context>
    <name>JoinCheck</name>
    <message>
        <source>video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>no tracks</source>
        <translation>トラックなし</translation>
    </message>
    <message>
        <source>%1×%2 here, %3×%4 there</source>
        <translation>こちらは %1×%2、あちらは %3×%4</translation>
    </message>
    <message>
        <source>pixels shaped %1:%2 here, %3:%4 there</source>
        <translation>こちらの画素比は %1:%2、あちらは %3:%4</translation>
    </message>
    <message>
        <source>%1 frames a second here, %2 there</source>
        <translation>こちらは毎秒 %1 フレーム、あちらは %2</translation>
    </message>
    <message>
        <source>audio at %1 Hz here, %2 Hz there</source>
        <translation>こちらの音声は %1 Hz、あちらは %2 Hz</translation>
    </message>
    <message>
        <source>%1 audio here, %2 there</source>
        <translation>こちらの音声は %1、あちらは %2</translation>
    </message>
    <message>
        <source>Doesn&apos;t match part 1: %1.</source>
        <translation>パート 1 と合いません: %1。</translation>
    </message>
    <message>
        <source>%1 here, %2 there</source>
        <translation>こちらは %1、あちらは %2</translation>
    </message>
    <message>
        <source>The joined file lasts %1 s, but its parts together last %2 s, so it was not kept.</source>
        <translation>結合したファイルは %1 秒ですが、パートの合計は %2 秒なので、保存しませんでした。</translation>
    </message>
    <message>
        <source>Track %1 of the joined file holds %2 packets, but the parts hold %3 together, so it was not kept.</source>
        <translation>結合したファイルのトラック %1 のパケットは %2 個ですが、パートの合計は %3 個なので、保存しませんでした。</translation>
    </message>
    <message>
        <source>In %1 the sound ends %2 s before the picture, so players may pause or drift where the next part begins.</source>
        <translation>%1 では音声が映像より %2 秒早く終わるため、次のパートの始まりで再生が止まったりずれたりすることがあります。</translation>
    </message>
    <message>
        <source>In %1 the sound ends %2 s after the picture, so players may pause or drift where the next part begins.</source>
        <translation>%1 では音声が映像より %2 秒遅く終わるため、次のパートの始まりで再生が止まったりずれたりすることがあります。</translation>
    </message>
    <message>
        <source>%1 video here, %2 there</source>
        <translation>こちらの映像は %1、あちらは %2</translation>
    </message>
    <message>
        <source>%1 subtitles here, %2 there</source>
        <translation>こちらの字幕は %1、あちらは %2</translation>
    </message>
    <message>
        <source>the video was encoded with another profile</source>
        <translation>映像が別のプロファイルでエンコードされています</translation>
    </message>
    <message>
        <source>the audio was encoded with another profile</source>
        <translation>音声が別のプロファイルでエンコードされています</translation>
    </message>
    <message>
        <source>the video was encoded with other settings</source>
        <translation>映像が別の設定でエンコードされています</translation>
    </message>
    <message>
        <source>the audio was encoded with other settings</source>
        <translation>音声が別の設定でエンコードされています</translation>
    </message>
</context>
<context>
    <name>JoinCheckBox</name>
    <message>
        <source>Join into one file</source>
        <translation>1 つのファイルに結合</translation>
    </message>
    <message>
        <source>Makes one file of the listed files, in the order shown. Alt+Up and Alt+Down move a file.</source>
        <translation>一覧のファイルを表示順に 1 つのファイルにまとめます。Alt+上 と Alt+下 でファイルを移動します。</translation>
    </message>
</context>
<context>
    <name>JoinJob</name>
    <message>
        <source>%1 can&apos;t be read as a video, so the parts can&apos;t be joined.</source>
        <translation>%1 を動画として読めないため、パートを結合できません。</translation>
    </message>
    <message>
        <source>Can&apos;t write the list of parts into %1.</source>
        <translation>パートの一覧を %1 に書き込めません。</translation>
    </message>
    <message>
        <source>Files beside the parts were not joined.</source>
        <translation>パートの横にあるファイルは結合していません。</translation>
    </message>
</context>
<context>
    <name>KeepOriginalCheckBox</name>
    <message>
        <source>Keep original files</source>
        <translation>元のファイルを残す</translation>
    </message>
    <message>
        <source>This app only writes a new file — it never deletes your source.</source>
        <translation>このアプリは新しいファイルを書き出すだけで、元のファイルを削除することはありません。</translation>
    </message>
</context>
<context>
    <name>KestruneApp</name>
    <message>
        <source>Puts the streams of video files into another container without re-encoding them.</source>
        <translation>ビデオファイルのストリームを再エンコードせずに別のコンテナーに格納します。</translation>
    </message>
    <message>
        <source>Video files, or folders of them, to add to the list.</source>
        <translation>リストに追加するビデオファイル、またはそれを含むフォルダー。</translation>
    </message>
    <message>
        <source>[FILE|FOLDER]...</source>
        <translation>[ファイル|フォルダー]...</translation>
    </message>
    <message>
        <source>The window could not be loaded.</source>
        <translation>ウィンドウを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>変換が完了しました</translation>
    </message>
    <message>
        <source>Kestrune is already running but did not answer. Try again in a moment.</source>
        <translation>Kestrune はすでに実行中ですが、応答がありません。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Norwegian Bokmal</source>
        <translation>ノルウェー語 (ブークモール)</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>デンマーク語</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>フィンランド語</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>アイスランド語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>チェコ語</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>スロバキア語</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>ハンガリー語</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>ルーマニア語</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>ブルガリア語</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>ウクライナ語</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>セルビア語</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>クロアチア語</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>スロベニア語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>ヘブライ語</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>ペルシア語</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ヒンディー語</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>ベンガル語</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>タミル語</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>タイ語</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>インドネシア語</translation>
    </message>
    <message>
        <source>Malay</source>
        <translation>マレー語</translation>
    </message>
    <message>
        <source>Filipino</source>
        <translation>フィリピノ語</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>カタルーニャ語</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>エストニア語</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>ラトビア語</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>リトアニア語</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>ラテン語</translation>
    </message>
</context>
<context>
    <name>LanguagePicker</name>
    <message>
        <source>No language chosen yet</source>
        <translation>まだ言語が選ばれていません</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>言語を検索</translation>
    </message>
    <message>
        <source>Search %1</source>
        <translation>%1 を検索</translation>
    </message>
</context>
<context>
    <name>LinearProgress</name>
    <message>
        <source>Overall progress %1</source>
        <translation>全体の進行状況 %1</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>添付ファイル</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>OutputDestinationMenu</name>
    <message>
        <source>Output to: %1</source>
        <translation>出力先: %1</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>入力と同じ場所</translation>
    </message>
    <message>
        <source>Choose folder…</source>
        <translation>フォルダーを選択…</translation>
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
        <translation> 秒</translation>
    </message>
    <message>
        <source>The cover art couldn&apos;t be copied into %1 and was left out.</source>
        <translation>カバーアートを %1 にコピーできなかったため、省略しました。</translation>
    </message>
    <message>
        <source>An attachment (such as a font) couldn&apos;t be copied into %1 and was left out.</source>
        <translation>添付ファイル (フォントなど) を %1 にコピーできなかったため、省略しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n attachments (such as fonts) couldn&apos;t be copied into %1 and were left out.</source>
        <translation>
            <numerusform>%n 個の添付ファイル (フォントなど) を %1 にコピーできなかったため、省略しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The chapters couldn&apos;t be copied into %1 and were left out.</source>
        <translation>チャプターを %1 にコピーできなかったため、省略しました。</translation>
    </message>
    <message>
        <source>The source seems damaged: it says it lasts %1, but only %2 could be copied.</source>
        <translation>ソースが破損しているようです: 長さは %1 とされていますが、コピーできたのは %2 だけです。</translation>
    </message>
    <message>
        <source>The cover art arrived as an ordinary video track, so players may show it as a second video.</source>
        <translation>カバーアートが通常のビデオトラックとして格納されたため、プレーヤーによっては 2 つ目の映像として表示されることがあります。</translation>
    </message>
    <message>
        <source>%1 holds no audio or video samples, so there is nothing to convert.</source>
        <translation>%1 には音声も映像も含まれていないため、変換するものがありません。</translation>
    </message>
    <message>
        <source>The new file can&apos;t be read back, so it was not kept.</source>
        <translation>新しいファイルを読み戻せないため、保持しませんでした。</translation>
    </message>
    <message>
        <source>The new file holds no audio or video samples, so it was not kept.</source>
        <translation>新しいファイルには音声も映像も含まれていないため、保持しませんでした。</translation>
    </message>
    <message>
        <source>A track&apos;s language, title or flags didn&apos;t arrive as they were.</source>
        <translation>トラックの言語、タイトル、またはフラグが元のまま格納されませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n tracks&apos; languages, titles or flags didn&apos;t arrive as they were.</source>
        <translation>
            <numerusform>%n 個のトラックの言語、タイトル、またはフラグが元のまま格納されませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The video&apos;s rotation didn&apos;t arrive as it was.</source>
        <translation>動画の回転が元のまま届きませんでした。</translation>
    </message>
    <message>
        <source>The video&apos;s Dolby Vision didn&apos;t arrive as planned.</source>
        <translation>動画の Dolby Vision が予定どおりに届きませんでした。</translation>
    </message>
    <message>
        <source>The video&apos;s colour tags didn&apos;t arrive as they were.</source>
        <translation>動画の色情報が元のまま届きませんでした。</translation>
    </message>
    <message>
        <source>The video isn&apos;t marked %1, so Apple&apos;s players may not open it.</source>
        <translation>動画に %1 の印がないため、Apple のプレーヤーでは開けないことがあります。</translation>
    </message>
    <message>
        <source>%1 of %2 chapters arrived.</source>
        <translation>%2 個のチャプターのうち %1 個が届きました。</translation>
    </message>
    <message>
        <source>The video&apos;s mastering display and light level didn&apos;t arrive.</source>
        <translation>動画のマスタリングディスプレイと光レベルの情報が届きませんでした。</translation>
    </message>
</context>
<context>
    <name>RemuxJob</name>
    <message>
        <source>This file&apos;s name is not valid UTF-8, so it can&apos;t be handed to ffmpeg. Rename it and add it again.</source>
        <translation>このファイルの名前は有効な UTF-8 ではないため、ffmpeg に渡せません。名前を変更してから、もう一度追加してください。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a regular file, so it can&apos;t be converted.</source>
        <translation>%1 は通常のファイルではないため、変換できません。</translation>
    </message>
    <message>
        <source>%1 stopped answering while it was read, so it was skipped. Check that its drive or share is still there.</source>
        <translation>%1 の読み込み中に応答がなくなったため、スキップしました。ドライブまたは共有がまだ接続されているか確認してください。</translation>
    </message>
    <message>
        <source>Can&apos;t write into %1: %2.</source>
        <translation>%1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>The new file of %1 stopped answering while it was checked, so it was not kept. Check that its drive or share is still there.</source>
        <translation>%1 の新しいファイルの確認中に応答がなくなったため、保持しませんでした。ドライブまたは共有がまだ接続されているか確認してください。</translation>
    </message>
    <message>
        <source>The new file %1 couldn&apos;t be saved: %2.</source>
        <translation>新しいファイル %1 を保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 is no longer beside the video, so it was left out.</source>
        <translation>%1 が動画の隣にもうないため、含めませんでした。</translation>
    </message>
    <message>
        <source>The tracks of %1 couldn&apos;t be read, so the tracks you chose can&apos;t be picked out.</source>
        <translation>%1 のトラックを読み取れなかったため、選んだトラックを取り出せません。</translation>
    </message>
</context>
<context>
    <name>RemuxViewModel</name>
    <message>
        <source>A data track couldn&apos;t be copied into %1 and was dropped (timecode usually survives)</source>
        <translation>データトラックを %1 にコピーできなかったため、破棄しました (タイムコードは通常残ります)。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t on this computer, so it can&apos;t be added. Open its share in the file manager first.</source>
        <translation>%1 はこのコンピューター上にないため、追加できません。先にファイルマネージャーで共有を開いてください。</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more aren&apos;t on this computer, so they can&apos;t be added. Open their share in the file manager first.</source>
        <translation>
            <numerusform>%1 とほか %n 件はこのコンピューター上にないため、追加できません。先にファイルマネージャーで共有を開いてください。</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Output Folder</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found, so it can&apos;t be converted.</source>
        <translation>%1 が見つからないため、変換できません。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a kind of video file Kestrune converts.</source>
        <translation>%1 は Kestrune が変換できる種類のビデオファイルではありません。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a regular file, so it can&apos;t be converted.</source>
        <translation>%1 は通常のファイルではないため、変換できません。</translation>
    </message>
    <message>
        <source>The folder for the new file of %1 stopped answering, so it was skipped. Check that its drive or share is still there.</source>
        <translation>%1 の新しいファイルの保存先フォルダーの応答がなくなったため、スキップしました。ドライブまたは共有がまだ接続されているか確認してください。</translation>
    </message>
    <message>
        <source>%1 stopped answering, so it wasn&apos;t added. Check that its drive or share is still there.</source>
        <translation>%1 の応答がなくなったため、追加しませんでした。ドライブまたは共有がまだ接続されているか確認してください。</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more stopped answering, so they weren&apos;t added. Check that their drive or share is still there.</source>
        <translation>
            <numerusform>%1 とほか %n 件の応答がなくなったため、追加しませんでした。ドライブまたは共有がまだ接続されているか確認してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder for the joined file stopped answering, so nothing was joined.</source>
        <translation>結合ファイルのフォルダーが応答しなくなったため、何も結合されませんでした。</translation>
    </message>
</context>
<context>
    <name>RetryPolicy</name>
    <message>
        <source>The source lacks timestamps, so new ones were generated.</source>
        <translation>ソースにタイムスタンプがないため、新しく生成しました。</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
</context>
<context>
    <name>TerminalConversion</name>
    <message>
        <source>Convert without a window into &lt;container&gt;: mkv, mp4, mov, webm or ts.</source>
        <translation>ウィンドウを開かずに &lt;コンテナー&gt; に変換します: mkv、mp4、mov、webm、ts。</translation>
    </message>
    <message>
        <source>container</source>
        <translation>コンテナー</translation>
    </message>
    <message>
        <source>With --to: write the new files into &lt;folder&gt; instead of beside each source.</source>
        <translation>--to と共に: 新しいファイルを元のファイルの隣ではなく &lt;フォルダー&gt; に書き出します。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>With --to: give the new files the current date, not their source&apos;s.</source>
        <translation>--to と共に: 新しいファイルの日付を元のファイルではなく現在の日時にします。</translation>
    </message>
    <message>
        <source>Video files, or folders of them, to convert.</source>
        <translation>変換するビデオファイル、またはそれを含むフォルダー。</translation>
    </message>
    <message>
        <source>--%1 works only with --to. Name the container to convert into.</source>
        <translation>--%1 は --to と共にのみ使えます。変換先のコンテナーを指定してください。</translation>
    </message>
    <message>
        <source>Unknown container &quot;%1&quot;. Choose mkv, mp4, mov, webm or ts.</source>
        <translation>不明なコンテナー「%1」です。mkv、mp4、mov、webm、ts から選んでください。</translation>
    </message>
    <message>
        <source>The folder %1 doesn&apos;t exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a folder.</source>
        <translation>%1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>Name the files or folders to convert.</source>
        <translation>変換するファイルまたはフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>With --to: keep audio and subtitles in &lt;languages&gt; only (codes or names, separated by commas).</source>
        <translation>--to と併用: &lt;言語&gt; の音声と字幕だけを残します (コードか名前をカンマ区切りで)。</translation>
    </message>
    <message>
        <source>With --to: keep audio in &lt;languages&gt; only, or in all.</source>
        <translation>--to と併用: &lt;言語&gt; の音声だけを残します。all ならすべて。</translation>
    </message>
    <message>
        <source>With --to: keep subtitles in &lt;languages&gt; only, in all or in none.</source>
        <translation>--to と併用: &lt;言語&gt; の字幕だけを残します。all ならすべて、none なら残しません。</translation>
    </message>
    <message>
        <source>With --to: keep commentary, which a list of languages leaves out.</source>
        <translation>--to と併用: 言語の指定で除外されるコメンタリーを残します。</translation>
    </message>
    <message>
        <source>With --to: when a file has no audio in those languages, keep-main keeps its main audio (the default), skip leaves the file out.</source>
        <translation>--to と併用: その言語の音声がないファイルは、keep-main ならメインの音声を残し (既定)、skip ならスキップします。</translation>
    </message>
    <message>
        <source>choice</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>With --to: don&apos;t add the subtitles and audio found beside each video.</source>
        <translation>--to と併用: 各動画の隣にある字幕と音声を追加しません。</translation>
    </message>
    <message>
        <source>With --to: list each file&apos;s tracks and what would become of them, and write nothing.</source>
        <translation>--to と併用: 各ファイルのトラックとその扱いを一覧にし、何も書き込みません。</translation>
    </message>
    <message>
        <source>video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>attachment</source>
        <translation>添付</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>強制</translation>
    </message>
    <message>
        <source>hearing impaired</source>
        <translation>聴覚障害者向け</translation>
    </message>
    <message>
        <source>audio description</source>
        <translation>音声解説</translation>
    </message>
    <message>
        <source>commentary</source>
        <translation>コメンタリー</translation>
    </message>
    <message>
        <source>original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>cover art</source>
        <translation>カバーアート</translation>
    </message>
    <message>
        <source>%1: Its tracks couldn&apos;t be read.</source>
        <translation>%1: トラックを読み込めませんでした。</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>added</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>rotated %1°</source>
        <extracomment>A video&apos;s line in --show-tracks: &quot;rotated 90°&quot;.</extracomment>
        <translation>%1° 回転</translation>
    </message>
    <message numerus="yes">
        <source>%n chapters</source>
        <translation>
            <numerusform>%n 個のチャプター</numerusform>
        </translation>
    </message>
    <message>
        <source>With --to: keep each file&apos;s main audio too, whatever its language.</source>
        <translation>--to と併用: 言語にかかわらず、各ファイルのメインの音声も残します。</translation>
    </message>
    <message>
        <source>mastering display</source>
        <translation>マスタリングディスプレイ</translation>
    </message>
    <message>
        <source>light level</source>
        <translation>光レベル</translation>
    </message>
</context>
<context>
    <name>TerminalJoin</name>
    <message>
        <source>With --to: join the files, in the order given, into one file named after the first.</source>
        <translation>--to と併用: ファイルを指定した順に、最初のファイルの名前で 1 つに結合します。</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, read as one recording:</source>
        <translation>
            <numerusform>%n 個のパート、1 つの録画として読み込み:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, joined one after the other:</source>
        <translation>
            <numerusform>%n 個のパート、順に結合:</numerusform>
        </translation>
    </message>
    <message>
        <source>Tracks, from part 1:</source>
        <translation>トラック(パート 1 から):</translation>
    </message>
    <message>
        <source>Name at least two video files, or a folder of them, to join.</source>
        <translation>結合する動画ファイルを 2 つ以上、またはそれを含むフォルダーを指定してください。</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more: Not joined: %2</source>
        <translation>
            <numerusform>%1 ほか %n 件: 結合していません: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more → %2: Joined</source>
        <translation>
            <numerusform>%1 ほか %n 件 → %2: 結合しました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrackLine</name>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>添付</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>MP4 text</source>
        <translation>MP4 テキスト</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>Added from beside the video</source>
        <translation>動画の隣から追加</translation>
    </message>
    <message>
        <source>%1 video</source>
        <translation>%1 の映像</translation>
    </message>
    <message>
        <source>%1 audio</source>
        <translation>%1 の音声</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>%1 の字幕</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>除外</translation>
    </message>
</context>
<context>
    <name>TrackPlan</name>
    <message>
        <source>The subtitles were converted to MP4&apos;s text format; their styling was lost.</source>
        <translation>字幕を MP4 のテキスト形式に変換しました。スタイルは失われました。</translation>
    </message>
    <message>
        <source>The subtitles were converted to MP4&apos;s text format.</source>
        <translation>字幕を MP4 のテキスト形式に変換しました。</translation>
    </message>
    <message>
        <source>The subtitles were converted to WebVTT; their styling was lost.</source>
        <translation>字幕を WebVTT に変換しました。スタイルは失われました。</translation>
    </message>
    <message>
        <source>The subtitles were converted to WebVTT.</source>
        <translation>字幕を WebVTT に変換しました。</translation>
    </message>
    <message>
        <source>The subtitles were converted to SRT.</source>
        <translation>字幕を SRT に変換しました。</translation>
    </message>
    <message>
        <source>A stream ffmpeg doesn&apos;t know was left out.</source>
        <translation>ffmpeg が認識できないストリームを 1 つ省略しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n streams ffmpeg doesn&apos;t know were left out.</source>
        <translation>
            <numerusform>ffmpeg が認識できないストリームを %n 個省略しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can&apos;t record the language or title of every track, so some were left out.</source>
        <translation>%1 はすべてのトラックの言語やタイトルを記録できないため、一部を省略しました。</translation>
    </message>
    <message>
        <source>Can&apos;t be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read, so it was left out.</source>
        <translation>%1 を読み込めないため、含めませんでした。</translation>
    </message>
    <message>
        <source>%1 subtitles can&apos;t go into %2</source>
        <extracomment>Why a track was left out: &quot;PGS subtitles can&apos;t go into MP4&quot;.</extracomment>
        <translation>%1 字幕は %2 に入れられません</translation>
    </message>
    <message>
        <source>%1 audio can&apos;t go into %2</source>
        <translation>%1 音声は %2 に入れられません</translation>
    </message>
    <message>
        <source>%1 can&apos;t go into %2, so it was left out.</source>
        <translation>%1 は %2 に入れられないため、含めませんでした。</translation>
    </message>
    <message>
        <source>%1 subtitles can&apos;t go into %2, so they were left out.</source>
        <translation>%1 字幕は %2 に入れられないため、含めませんでした。</translation>
    </message>
    <message>
        <source>%1 audio can&apos;t go into %2, so it was left out.</source>
        <translation>%1 音声は %2 に入れられないため、含めませんでした。</translation>
    </message>
    <message>
        <source>Unknown to ffmpeg</source>
        <translation>ffmpeg が認識できません</translation>
    </message>
    <message>
        <source>Data tracks can&apos;t go into %1</source>
        <translation>データトラックは %1 に入れられません</translation>
    </message>
    <message>
        <source>Attachments can&apos;t go into %1</source>
        <translation>添付ファイルは %1 に入れられません</translation>
    </message>
    <message>
        <source>This cover art can&apos;t go into %1</source>
        <translation>このカバーアートは %1 に入れられません</translation>
    </message>
    <message>
        <source>Converted to MP4&apos;s text format</source>
        <translation>MP4 のテキスト形式に変換</translation>
    </message>
    <message>
        <source>Converted to WebVTT</source>
        <translation>WebVTT に変換</translation>
    </message>
    <message>
        <source>Converted to SRT</source>
        <translation>SRT に変換</translation>
    </message>
    <message>
        <source>Attached as cover art</source>
        <translation>カバーアートとして添付</translation>
    </message>
    <message>
        <source>The encoding of %1 couldn&apos;t be told, so it was read as Windows-1252.</source>
        <translation>%1 の文字コードを判別できなかったため、Windows-1252 として読み込みました。</translation>
    </message>
    <message>
        <source>Every track</source>
        <translation>すべてのトラック</translation>
    </message>
    <message>
        <source>%1 of %2 audio</source>
        <extracomment>The row&apos;s line: &quot;2 of 4 audio · 1 of 3 subtitles&quot;.</extracomment>
        <translation>音声 %2 本中 %1 本</translation>
    </message>
    <message>
        <source>%1 of 1 subtitle</source>
        <translation>字幕 1 本中 %1 本</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n subtitles</source>
        <translation>
            <numerusform>字幕 %n 本中 %1 本</numerusform>
        </translation>
    </message>
    <message>
        <source>1 side file</source>
        <translation>隣のファイル 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n side files</source>
        <translation>
            <numerusform>隣のファイル %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>No language</source>
        <translation>言語なし</translation>
    </message>
    <message>
        <source>%1: not in your languages</source>
        <extracomment>Why a track was left out: &quot;German: not in your languages&quot;.</extracomment>
        <translation>%1: 選んだ言語にありません</translation>
    </message>
    <message>
        <source>Left out by you</source>
        <translation>手動で除外</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>コメンタリー</translation>
    </message>
    <message>
        <source>Audio description</source>
        <translation>音声解説</translation>
    </message>
    <message>
        <source>Skipped: no %1 audio</source>
        <extracomment>A file the rule skips: &quot;Skipped: no English or Japanese audio&quot;.</extracomment>
        <translation>スキップ: %1 の音声なし</translation>
    </message>
    <message>
        <source>No %1 audio here, so the main audio was kept.</source>
        <translation>%1 の音声がないため、メインの音声を残しました。</translation>
    </message>
    <message>
        <source>No %1 audio here, so the main audio (%2) was kept.</source>
        <translation>%1 の音声がないため、メインの音声 (%2) を残しました。</translation>
    </message>
    <message>
        <source>No subtitles chosen</source>
        <translation>字幕は選ばれていません</translation>
    </message>
    <message>
        <source>No %1 subtitles here, so none were kept.</source>
        <translation>%1 の字幕がないため、字幕は残していません。</translation>
    </message>
    <message>
        <source>HDR (HLG)</source>
        <translation>HDR (HLG)</translation>
    </message>
    <message>
        <source>%1 can&apos;t record that this video is upside down, so players will show it that way.</source>
        <translation>%1 はこの動画が上下逆であることを記録できないため、プレーヤーではそのまま表示されます。</translation>
    </message>
    <message>
        <source>%1 can&apos;t record that this video is turned %2°, so players will show it sideways.</source>
        <translation>%1 はこの動画が %2° 回転していることを記録できないため、プレーヤーでは横向きに表示されます。</translation>
    </message>
    <message>
        <source>%1 can&apos;t keep Dolby Vision, and this video plays in wrong colours without it.</source>
        <translation>%1 は Dolby Vision を保持できず、この動画はそれがないと誤った色で再生されます。</translation>
    </message>
    <message>
        <source>%1 can&apos;t keep Dolby Vision, so this video will play as %2.</source>
        <translation>%1 は Dolby Vision を保持できないため、この動画は %2 として再生されます。</translation>
    </message>
    <message>
        <source>Skipped: no audio that can go into %1</source>
        <translation>スキップ: %1 に入れられる音声がありません</translation>
    </message>
    <message>
        <source>None of this file&apos;s audio can go into %1.</source>
        <translation>このファイルの音声はどれも %1 に入れられません。</translation>
    </message>
    <message>
        <source>Another audio track was kept in its place, so the new file has sound.</source>
        <translation>新しいファイルに音が残るよう、代わりに別の音声トラックを残しました。</translation>
    </message>
    <message>
        <source>The %1 audio was kept in its place, so the new file has sound.</source>
        <translation>新しいファイルに音が残るよう、代わりに %1 の音声を残しました。</translation>
    </message>
</context>
<context>
    <name>TrackRule</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;French and Japanese&quot;.</extracomment>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list but the last two: &quot;English, French&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 audio and subtitles</source>
        <translation>%1の音声と字幕</translation>
    </message>
    <message>
        <source>all audio</source>
        <translation>すべての音声</translation>
    </message>
    <message>
        <source>%1 audio</source>
        <translation>%1の音声</translation>
    </message>
    <message>
        <source>all subtitles</source>
        <translation>すべての字幕</translation>
    </message>
    <message>
        <source>%1 subtitles</source>
        <translation>%1の字幕</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos; in %2</source>
        <translation>%2 の不明な言語「%1」</translation>
    </message>
    <message>
        <source>tracks with no language</source>
        <translation>言語指定のないトラック</translation>
    </message>
    <message>
        <source>forced subtitles in the audio&apos;s languages</source>
        <translation>音声の言語に一致する強制字幕</translation>
    </message>
    <message>
        <source>every track</source>
        <translation>すべてのトラック</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <extracomment>%1 is the kept audio and subtitles, %2 what is kept besides: &quot;tracks with no language&quot;.</extracomment>
        <translation>%1、および%2</translation>
    </message>
    <message>
        <source>Keeping %1</source>
        <extracomment>The start of the rule&apos;s sentence; %1 lists what is kept: &quot;every track&quot;, &quot;English audio and subtitles, and tracks with no language&quot;.</extracomment>
        <translation>%1を保持</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>commentary</source>
        <translation>コメンタリー</translation>
    </message>
    <message>
        <source>audio description</source>
        <translation>音声解説</translation>
    </message>
    <message>
        <source>%1; leaving out %2</source>
        <extracomment>%2 lists what a batch leaves out: &quot;subtitles and commentary&quot;.</extracomment>
        <translation>%1。%2を除外</translation>
    </message>
    <message>
        <source>%1; skipping files with no %2 audio</source>
        <translation>%1。%2の音声がないファイルはスキップ</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1または%2</translation>
    </message>
    <message>
        <source>%1; defaults follow the order of your languages</source>
        <translation>%1。既定のトラックは指定した言語の順に設定</translation>
    </message>
    <message>
        <source>%1; not adding files found beside the videos</source>
        <translation>%1。ビデオと同じ場所にあるファイルは追加しない</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>unknown choice &apos;%1&apos; in --if-no-audio: choose keep-main or skip</source>
        <translation>--if-no-audio の不明な選択肢「%1」: keep-main または skip を指定してください</translation>
    </message>
    <message>
        <source>the file&apos;s main audio</source>
        <translation>ファイルのメインの音声</translation>
    </message>
</context>
<context>
    <name>TrackRuleEditor</name>
    <message>
        <source>Tracks to keep</source>
        <translation>残すトラック</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>すべての言語</translation>
    </message>
    <message>
        <source>Only these:</source>
        <translation>次の言語だけ:</translation>
    </message>
    <message>
        <source>audio languages</source>
        <translation>音声の言語</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>subtitle languages</source>
        <translation>字幕の言語</translation>
    </message>
    <message>
        <source>Also keep tracks with no language</source>
        <translation>言語のないトラックも残す</translation>
    </message>
    <message>
        <source>Always keep the file&apos;s main audio</source>
        <translation>ファイルのメインの音声は常に残す</translation>
    </message>
    <message>
        <source>Leave out commentary</source>
        <translation>コメンタリーを除外</translation>
    </message>
    <message>
        <source>Leave out audio description</source>
        <translation>音声解説を除外</translation>
    </message>
    <message>
        <source>Keep forced subtitles in the languages of the kept audio</source>
        <translation>残した音声の言語の強制字幕を残す</translation>
    </message>
    <message>
        <source>Add subtitles and audio found beside each video</source>
        <translation>各動画の隣にある字幕と音声を追加</translation>
    </message>
    <message>
        <source>Default tracks</source>
        <translation>デフォルトのトラック</translation>
    </message>
    <message>
        <source>As in the source</source>
        <translation>元のファイルのまま</translation>
    </message>
    <message>
        <source>Follow the order of my languages</source>
        <translation>選んだ言語の順に従う</translation>
    </message>
    <message>
        <source>When a file has no audio in these languages</source>
        <translation>これらの言語の音声がないファイルは</translation>
    </message>
    <message>
        <source>Keep its main audio and say so</source>
        <translation>メインの音声を残して知らせる</translation>
    </message>
    <message>
        <source>Skip the file</source>
        <translation>ファイルをスキップ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>TrackRuleRow</name>
    <message>
        <source>Tracks: %1</source>
        <translation>トラック: %1</translation>
    </message>
    <message>
        <source>Tracks:</source>
        <translation>トラック:</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Kestrune is up to date</source>
        <translation>Kestrune は最新です</translation>
    </message>
    <message>
        <source>A new version of Kestrune is available</source>
        <translation>Kestrune の新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Kestrune could not check for updates</source>
        <translation>Kestrune はアップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>Checking for Updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>Kestrune %1 is the newest version.</source>
        <translation>Kestrune %1 が最新バージョンです。</translation>
    </message>
    <message>
        <source>Kestrune %1 is available; you have %2.</source>
        <translation>Kestrune %1 が利用できます (現在のバージョンは %2)。</translation>
    </message>
    <message>
        <source>Looking for a newer version…</source>
        <translation>新しいバージョンを探しています…</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>リリースノート</translation>
    </message>
</context>
<context>
    <name>UpdaterCommands</name>
    <message>
        <source>About Kestrune</source>
        <translation>Kestrune について</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Quit Kestrune</source>
        <translation>Kestrune を終了</translation>
    </message>
    <message>
        <source>Keep File Dates</source>
        <translation>ファイルの日付を保持</translation>
    </message>
</context>
<context>
    <name>UpdaterController</name>
    <message>
        <source>The update server refused the connection.</source>
        <translation>アップデートサーバーが接続を拒否しました。</translation>
    </message>
    <message>
        <source>The update server could not be found. Check your internet connection.</source>
        <translation>アップデートサーバーが見つかりませんでした。インターネット接続を確認してください。</translation>
    </message>
    <message>
        <source>The update server did not answer in time.</source>
        <translation>アップデートサーバーが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The update server closed the connection before sending the update feed.</source>
        <translation>アップデートサーバーがアップデートフィードを送信する前に接続を閉じました。</translation>
    </message>
    <message>
        <source>A secure connection to the update server could not be made.</source>
        <translation>アップデートサーバーへの安全な接続を確立できませんでした。</translation>
    </message>
    <message>
        <source>The update feed was not found at %1.</source>
        <translation>%1 にアップデートフィードが見つかりませんでした。</translation>
    </message>
    <message>
        <source>The update feed could not be loaded: %1.</source>
        <translation>アップデートフィードを読み込めませんでした: %1。</translation>
    </message>
    <message>
        <source>The update feed is too large to be one.</source>
        <translation>アップデートフィードとしては大きすぎます。</translation>
    </message>
    <message>
        <source>The update feed lists no versions.</source>
        <translation>アップデートフィードにバージョンが記載されていません。</translation>
    </message>
    <message>
        <source>The update feed is not an RSS feed.</source>
        <translation>アップデートフィードが RSS フィードではありません。</translation>
    </message>
    <message>
        <source>The update feed is damaged (line %1: %2).</source>
        <translation>アップデートフィードが破損しています (%1 行目: %2)。</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message numerus="yes">
        <source>%n more file</source>
        <translation>
            <numerusform>ほか %n 個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more files</source>
        <translation>
            <numerusform>ほか %n 個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file converted</source>
        <translation>
            <numerusform>%n 件を変換</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n 件を変換</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a dropped track</source>
        <translation>
            <numerusform>%n 件でトラックを破棄</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a warning</source>
        <translation>
            <numerusform>%n 件で警告</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 件失敗</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>変換するものがありません</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>入力と同じ場所</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>フォルダーを選択…</translation>
    </message>
    <message>
        <source>Converting, %1</source>
        <translation>変換中、%1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>Converted: %1</source>
        <translation>変換済み: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>保存中…</translation>
    </message>
</context>
</TS>
