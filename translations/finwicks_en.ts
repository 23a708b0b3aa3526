<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Background</name>
    <message>
        <source>画像展開中...</source>
        <translation>Loading the picture...</translation>
    </message>
    <message>
        <source>機能制限</source>
        <translation>Picture too small</translation>
    </message>
    <message>
        <source>ビットマップが小さいので背景に使用できません
640×480 以上のビットマップを指定してください</source>
        <translation>This picture is too small for the background.
Choose one of at least 640 × 480 pixels.</translation>
    </message>
</context>
<context>
    <name>ClockFormat</name>
    <message>
        <source>yyyy/mm/dd  hh:nn:ss</source>
        <translation>yyyy-mm-dd  hh:nn:ss</translation>
    </message>
    <message>
        <source>yyyy/mm/dd hh:nn</source>
        <translation>yyyy-mm-dd hh:nn</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>yyyy-mm-dd</translation>
    </message>
    <message>
        <source>yy/mm/dd hh:nn:ss</source>
        <translation>yy-mm-dd hh:nn:ss</translation>
    </message>
    <message>
        <source>yy/mm/dd hh:nn</source>
        <translation>yy-mm-dd hh:nn</translation>
    </message>
    <message>
        <source>yy/mm/dd</source>
        <translation>yy-mm-dd</translation>
    </message>
    <message>
        <source>hh:nn:ss</source>
        <translation>hh:nn:ss</translation>
    </message>
    <message>
        <source>hh:nn</source>
        <translation>hh:nn</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: finwicks [/s | /c]
       finwicks --root | --window-id ID
       finwicks --help

A virtual aquarium screen saver: your tropical fish live on between runs.

  (none), /s        show the aquarium over the whole screen (/s hides the cursor)
  /c                open the configuration dialog only
  --root, -root     draw into the window in $XSCREENSAVER_WINDOW (0x... or decimal),
                    or into the root window; for screen saver hosts
  --window-id ID, -window-id ID
                    draw into the X window ID (0x... or decimal)
  --help            show this text

Any other command line ends at once. In a host&apos;s window the aquarium takes no input;
SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2 and SIGALRM end it and save the fish.
Settings and fish: $XDG_CONFIG_HOME/finwicks/FINWICKS.INI (~/.config/finwicks/).
Texts follow the user&apos;s language ($LANGUAGE, $LANG); LANGUAGE=en picks English.
</source>
        <translation>Usage: finwicks [/s | /c]
       finwicks --root | --window-id ID
       finwicks --help

A virtual aquarium screen saver: your tropical fish live on between runs.

  (none), /s        show the aquarium over the whole screen (/s hides the cursor)
  /c                open the configuration dialog only
  --root, -root     draw into the window in $XSCREENSAVER_WINDOW (0x... or decimal),
                    or into the root window; for screen saver hosts
  --window-id ID, -window-id ID
                    draw into the X window ID (0x... or decimal)
  --help            show this text

Any other command line ends at once. In a host&apos;s window the aquarium takes no input;
SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2 and SIGALRM end it and save the fish.
Settings and fish: $XDG_CONFIG_HOME/finwicks/FINWICKS.INI (~/.config/finwicks/).
Texts follow the user&apos;s language ($LANGUAGE, $LANG); LANGUAGE=en picks English.
</translation>
    </message>
</context>
<context>
    <name>EnvironmentTab</name>
    <message>
        <source>環境設定(&amp;E)</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>現在の時刻を表示する</source>
        <translation>Show the clock</translation>
    </message>
    <message>
        <source>yyyy/mm/dd hh:nn:ss</source>
        <translation>YYYY-MM-DD hh:mm:ss</translation>
    </message>
    <message>
        <source>yyyy/mm/dd hh:nn</source>
        <translation>YYYY-MM-DD hh:mm</translation>
    </message>
    <message>
        <source>yyyy/mm/dd</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>yy/mm/dd hh:nn:ss</source>
        <translation>YY-MM-DD hh:mm:ss</translation>
    </message>
    <message>
        <source>yy/mm/dd hh:nn</source>
        <translation>YY-MM-DD hh:mm</translation>
    </message>
    <message>
        <source>yy/mm/dd</source>
        <translation>YY-MM-DD</translation>
    </message>
    <message>
        <source>hh:nn:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>hh:nn</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>表示形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>移動(下)</source>
        <translation>Bottom, moving</translation>
    </message>
    <message>
        <source>中央(下)</source>
        <translation>Bottom centre</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>名前を表示</source>
        <translation>Show fish names</translation>
    </message>
    <message>
        <source>背景を表示</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>一定時間経過後背景を消す</source>
        <translation>Hide the picture after a while</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>After</translation>
    </message>
    <message>
        <source>前景色</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>ｽｸﾘｰﾝｾｰﾊﾞｰの終了方法(&amp;Q)</source>
        <translation>Mouse: &amp;quit, or click and drag fish</translation>
    </message>
    <message>
        <source>通常のｽｸﾘｰﾝｾｰﾊﾞｰと同じ</source>
        <translation>Quit, like any screen saver</translation>
    </message>
    <message>
        <source>ﾏｳｽ操作を可能にする (1日1回)</source>
        <translation>Click fish (first run each day)</translation>
    </message>
    <message>
        <source>ﾏｳｽ操作を可能にする (毎回)</source>
        <translation>Click fish (every run)</translation>
    </message>
    <message>
        <source>ウェイト</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>▲標準</source>
        <translation>▲ Default</translation>
    </message>
    <message>
        <source>移動幅</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>サウンド(&amp;S)</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>ＢＧＭ</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>描画速度(&amp;P)</source>
        <translation>Drawing s&amp;peed</translation>
    </message>
</context>
<context>
    <name>Fish</name>
    <message>
        <source>ｴﾝｾﾞﾙﾌｨｯｼｭ</source>
        <translation>Angelfish </translation>
    </message>
    <message>
        <source>ｸﾞﾛｰﾗｲﾄﾃﾄﾗ</source>
        <translation>Glowlight </translation>
    </message>
    <message>
        <source>ﾈｵﾝﾃﾄﾗ    </source>
        <translation>Neon tetra</translation>
    </message>
    <message>
        <source>ｼﾙﾊﾞｰﾊﾁｪｯﾄ</source>
        <translation>Hatchet   </translation>
    </message>
    <message>
        <source>ｱﾙｸｱｰﾄｽ(ｺﾘ</source>
        <translation>Arcuatus  </translation>
    </message>
    <message>
        <source>ｱﾙﾋﾞﾉ(ｺﾘ  </source>
        <translation>Albino    </translation>
    </message>
    <message>
        <source>ﾌﾒｲ</source>
        <translation>Unknown   </translation>
    </message>
    <message>
        <source>ﾒｽ</source>
        <translation>F</translation>
    </message>
    <message>
        <source>ｵｽ</source>
        <translation>M</translation>
    </message>
    <message>
        <source>規格外</source>
        <translation>Out of range</translation>
    </message>
    <message>
        <source>稚魚</source>
        <translation>Fry</translation>
    </message>
    <message>
        <source>幼魚</source>
        <translation>Young</translation>
    </message>
    <message>
        <source>成魚</source>
        <translation>Adult</translation>
    </message>
    <message>
        <source>抱卵中</source>
        <translation>With eggs</translation>
    </message>
    <message>
        <source>ﾒｽ</source>
        <comment>in a sentence</comment>
        <translation>Female</translation>
    </message>
    <message>
        <source>ｵｽ</source>
        <comment>in a sentence</comment>
        <translation>Male</translation>
    </message>
</context>
<context>
    <name>FishInformation</name>
    <message numerus="yes">
        <source>  名前:%1
  生後:%2日
  性別:%3
  状態:%4
</source>
        <translation>
            <numerusform>  Name: %1
  Age: %2 day
  Sex: %3
  State: %4
</numerusform>
            <numerusform>  Name: %1
  Age: %2 days
  Sex: %3
  State: %4
</numerusform>
        </translation>
    </message>
    <message>
        <source>  水温:%1℃
  水質:%2 %3
  前回水換日:%4
  状態:%5
</source>
        <translation>  Water temperature: %1 °C
  Water: %2 %3
  Last water change: %4
  Time of day: %5
</translation>
    </message>
</context>
<context>
    <name>FishRegister</name>
    <message>
        <source> 魚の種類     名前    性別 生後    状態     飼い始め</source>
        <translation> Species       Name    Sex  Age   State    Since</translation>
    </message>
    <message>
        <source>%1日</source>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>名前が入力されていません</source>
        <translation>No name was entered.</translation>
    </message>
    <message>
        <source>名前を入力してください</source>
        <translation>Please enter a name.</translation>
    </message>
    <message>
        <source>文字数オーバーです</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>名前を短くしてください</source>
        <translation>Use at most 10 letters, or 5 Japanese characters.</translation>
    </message>
    <message>
        <source>すでに同じ名前の魚がいます</source>
        <translation>Another fish already has this name.</translation>
    </message>
    <message>
        <source>名前を変更してください</source>
        <translation>Please choose another name.</translation>
    </message>
    <message>
        <source>使えない文字が含まれています</source>
        <translation>This name has a character the settings file cannot store.</translation>
    </message>
    <message>
        <source>水槽には魚が１匹も入っていません</source>
        <translation>There are no fish in the tank.</translation>
    </message>
    <message>
        <source>最低１匹は水槽の中に入れておいて下さい</source>
        <translation>Keep at least one fish in the tank.</translation>
    </message>
    <message>
        <source>機能制限</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>エラーメッセージ</source>
        <translation>Name not changed</translation>
    </message>
    <message>
        <source>水槽から出す</source>
        <translation>Release the fish</translation>
    </message>
    <message>
        <source>%1を水槽から出します
一度出したら、もう水槽には戻せません
出してよろしいですか？</source>
        <translation>%1 will be taken out of the tank.
A released fish can never be put back.
Release it?</translation>
    </message>
    <message>
        <source>全角５文字 半角10文字以内</source>
        <translation>Up to 10 letters (5&#xa0;Japanese)</translation>
    </message>
    <message>
        <source>管理</source>
        <translation>Care</translation>
    </message>
    <message>
        <source>治療...</source>
        <translation>Treat...</translation>
    </message>
    <message>
        <source>家系図...</source>
        <translation>Family tree...</translation>
    </message>
    <message>
        <source>親：</source>
        <translation>Parents:</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>病気：</source>
        <translation>Illness:</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>ペア：</source>
        <translation>Mate:</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <comment>release the fish</comment>
        <translation>&amp;Release</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <comment>keep the fish</comment>
        <translation>&amp;Keep</translation>
    </message>
    <message>
        <source>「*」で始まる名前は自動で付けた名前です。名前を変えるまで水槽には表示されません。</source>
        <translation>Names starting with * were given automatically. They are not shown in the tank until you rename the fish.</translation>
    </message>
    <message>
        <source>一覧(&amp;L)</source>
        <translation>&amp;Fish in the tank</translation>
    </message>
    <message>
        <source>名前の変更(&amp;N)</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>変更(&amp;C)</source>
        <translation>Re&amp;name</translation>
    </message>
    <message>
        <source>水槽から出す(&amp;O)</source>
        <translation>&amp;Release...</translation>
    </message>
</context>
<context>
    <name>FishShop</name>
    <message>
        <source>科名：</source>
        <translation>Family: </translation>
    </message>
    <message>
        <source>学名：</source>
        <translation>Scientific name: </translation>
    </message>
    <message>
        <source>原産：</source>
        <translation>Origin: </translation>
    </message>
    <message>
        <source>水温：</source>
        <translation>Temperature: </translation>
    </message>
    <message>
        <source>水質：</source>
        <translation>Water: </translation>
    </message>
    <message>
        <source>サイズ：</source>
        <translation>Size: </translation>
    </message>
    <message>
        <source>生息域：</source>
        <translation>Swimming zone: </translation>
    </message>
    <message>
        <source>飼育：</source>
        <translation>Care level: </translation>
    </message>
    <message>
        <source>繁殖：</source>
        <translation>Breeding: </translation>
    </message>
    <message>
        <source>ｴﾝｾﾞﾙﾌｨｯｼｭ</source>
        <translation>Angelfish</translation>
    </message>
    <message>
        <source>シクリ科</source>
        <translation>Cichlidae</translation>
    </message>
    <message>
        <source>南米アマゾン川</source>
        <translation>Amazon, South America</translation>
    </message>
    <message>
        <source>24～28℃</source>
        <translation>24–28 °C</translation>
    </message>
    <message>
        <source>弱酸性～中性</source>
        <translation>slightly acidic to neutral</translation>
    </message>
    <message>
        <source>12㎝</source>
        <translation>12 cm</translation>
    </message>
    <message>
        <source>上層～下層</source>
        <translation>top to bottom</translation>
    </message>
    <message>
        <source>容易</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>上下に伸びる長いヒレが特徴で、その美しいスタイルと、飼育が簡単なことから人気が高い。</source>
        <translation>Known by its long fins reaching up and down; loved for its graceful shape and because it is easy to keep.</translation>
    </message>
    <message>
        <source>ｸﾞﾛｰﾗｲﾄﾃﾄﾗ</source>
        <translation>Glowlight tetra</translation>
    </message>
    <message>
        <source>カラシン科</source>
        <translation>Characidae</translation>
    </message>
    <message>
        <source>南米アマゾン川（ギアナ高地流域）</source>
        <translation>Amazon, South America (Guiana Highlands)</translation>
    </message>
    <message>
        <source>4㎝</source>
        <translation>4 cm</translation>
    </message>
    <message>
        <source>中層～下層</source>
        <translation>middle to bottom</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>moderate</translation>
    </message>
    <message>
        <source>体の中心を走るオレンジ色のラインが美しい魚。</source>
        <translation>A beautiful fish with an orange line along the middle of its body.</translation>
    </message>
    <message>
        <source>ﾈｵﾝﾃﾄﾗ    </source>
        <translation>Neon tetra</translation>
    </message>
    <message>
        <source>難しい</source>
        <translation>hard</translation>
    </message>
    <message>
        <source>熱帯魚の中でも最もポピュラーな種類で、入門魚として親しまれている。</source>
        <translation>The best known of all tropical fish, a favourite first fish.</translation>
    </message>
    <message>
        <source>ｼﾙﾊﾞｰﾊﾁｪｯﾄ</source>
        <translation>Silver hatchetfish</translation>
    </message>
    <message>
        <source>ガステロペレック科</source>
        <translation>Gasteropelecidae</translation>
    </message>
    <message>
        <source>アマゾン川流域</source>
        <translation>Amazon basin</translation>
    </message>
    <message>
        <source>23～28℃</source>
        <translation>23–28 °C</translation>
    </message>
    <message>
        <source>弱酸性</source>
        <translation>slightly acidic</translation>
    </message>
    <message>
        <source>6㎝</source>
        <translation>6 cm</translation>
    </message>
    <message>
        <source>上層</source>
        <translation>top</translation>
    </message>
    <message>
        <source>胸びれが大きく発達ている。水面付近に生息。</source>
        <translation>Its pectoral fins are large. It lives near the surface.</translation>
    </message>
    <message>
        <source>ｺﾘﾄﾞﾗｽｱﾙｸｱｰﾄｽ</source>
        <translation>Corydoras arcuatus</translation>
    </message>
    <message>
        <source>カリクティ科</source>
        <translation>Callichthyidae</translation>
    </message>
    <message>
        <source>ペルー</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>22～28℃</source>
        <translation>22–28 °C</translation>
    </message>
    <message>
        <source>5㎝</source>
        <translation>5 cm</translation>
    </message>
    <message>
        <source>下層</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>頭から尾びれに伸びる黒いラインが特徴。</source>
        <translation>Known by the black line from its head to its tail fin.</translation>
    </message>
    <message>
        <source>ｺﾘﾄﾞﾗｽｱｴﾈｳｽｱﾙﾋﾞﾉ</source>
        <translation>Albino corydoras</translation>
    </message>
    <message>
        <source>改良品種</source>
        <translation>bred variety</translation>
    </message>
    <message>
        <source>コリドラスアエネウスのアルビノ変異個体。</source>
        <translation>An albino form of Corydoras aeneus.</translation>
    </message>
    <message>
        <source>混ぜて</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>メス</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>オス</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>成魚</source>
        <translation>Adult</translation>
    </message>
    <message>
        <source>幼魚</source>
        <translation>Young</translation>
    </message>
    <message numerus="yes">
        <source>あと%1匹</source>
        <translation>
            <numerusform>Room for %n more</numerusform>
            <numerusform>Room for %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1匹</source>
        <translation>
            <numerusform>%n fish</numerusform>
            <numerusform>%n fish</numerusform>
        </translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>カタログ(&amp;C)</source>
        <translation>&amp;Catalogue</translation>
    </message>
    <message>
        <source>飼う(&amp;B)</source>
        <translation>&amp;Buy</translation>
    </message>
    <message>
        <source>性別(&amp;S)</source>
        <translation>&amp;Sex</translation>
    </message>
    <message>
        <source>成長度合い(&amp;A)</source>
        <translation>&amp;Age</translation>
    </message>
    <message>
        <source>数(&amp;N)</source>
        <translation>&amp;Number</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NameLists</name>
    <message>
        <source>漢字</source>
        <extracomment>Not shown. Translate as &quot;Latin&quot; when the fish&apos;s automatic names are to be written in Latin letters for this language.</extracomment>
        <translation>Latin</translation>
    </message>
</context>
<context>
    <name>TankStatus</name>
    <message>
        <source>澄んでいる</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>やや濁り</source>
        <translation>hazy</translation>
    </message>
    <message>
        <source>濁っている</source>
        <translation>murky</translation>
    </message>
    <message>
        <source>%1日目</source>
        <translation>(day %1)</translation>
    </message>
    <message>
        <source>昼</source>
        <translation>day</translation>
    </message>
    <message>
        <source>夕暮れ</source>
        <translation>dusk</translation>
    </message>
    <message>
        <source>夜</source>
        <translation>night</translation>
    </message>
    <message>
        <source>夜明け</source>
        <translation>dawn</translation>
    </message>
    <message>
        <source>水温が高すぎます</source>
        <translation>The water is too warm for this fish</translation>
    </message>
    <message>
        <source>水温が低すぎます</source>
        <translation>The water is too cold for this fish</translation>
    </message>
</context>
<context>
    <name>TankTab</name>
    <message>
        <source>ﾌｰﾄﾞﾀｲﾏｰの設定(&amp;F)</source>
        <translation>&amp;Feeding times</translation>
    </message>
    <message>
        <source>１回目</source>
        <translation>First</translation>
    </message>
    <message>
        <source>２回目</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>照明の設定(&amp;L)</source>
        <translation>&amp;Lighting</translation>
    </message>
    <message>
        <source>点灯</source>
        <translation>Lights on</translation>
    </message>
    <message>
        <source>消灯</source>
        <translation>Lights off</translation>
    </message>
    <message>
        <source>水温設定(&amp;T)</source>
        <translation>&amp;Temperature</translation>
    </message>
    <message>
        <source>pH調整(&amp;H)</source>
        <translation>p&amp;H</translation>
    </message>
    <message>
        <source>繁殖(&amp;B)</source>
        <translation>&amp;Breeding</translation>
    </message>
    <message>
        <source>稚魚を育てる</source>
        <translation>Raise fry</translation>
    </message>
    <message>
        <source>換水(&amp;C)</source>
        <translation>Water &amp;change</translation>
    </message>
    <message>
        <source>水量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>換水を定期的におこなう</source>
        <translation>Change the water regularly</translation>
    </message>
    <message>
        <source>間隔</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>水換えの実行</source>
        <translation>Change now</translation>
    </message>
    <message>
        <source>前回換水日</source>
        <translation>Last change</translation>
    </message>
    <message>
        <source>エアレーション(&amp;A)</source>
        <translation>&amp;Aeration</translation>
    </message>
    <message>
        <source>泡を表示する</source>
        <translation>Show bubbles</translation>
    </message>
    <message>
        <source>魚より奥に泡を表示</source>
        <translation>Bubbles behind the fish</translation>
    </message>
    <message>
        <source>画面全体に泡を出す</source>
        <translation>Bubbles all over the screen</translation>
    </message>
    <message>
        <source>泡の数</source>
        <translation>Bubbles</translation>
    </message>
    <message>
        <source>消失上限</source>
        <translation>Vanish at</translation>
    </message>
    <message>
        <source>0%で一番上まで表示</source>
        <translation>0% rises to the top</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message numerus="yes">
        <source>分</source>
        <translation>
            <numerusform>%1 min</numerusform>
            <numerusform>%1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>時</source>
        <translation>
            <numerusform>:00</numerusform>
            <numerusform>:00</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>㍑</source>
        <translation>
            <numerusform>%1 L</numerusform>
            <numerusform>%1 L</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>日</source>
        <translation>
            <numerusform>%1 day</numerusform>
            <numerusform>%1 days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ms</source>
        <translation>
            <numerusform>%1 ms</numerusform>
            <numerusform>%1 ms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>℃</source>
        <translation>
            <numerusform>%1 °C</numerusform>
            <numerusform>%1 °C</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Screen Finwick</source>
        <translation>About Screen Finwick</translation>
    </message>
    <message>
        <source>Screen Finwick for Windows 95</source>
        <translation>Screen Finwick for Windows 95</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>熱帯魚を飼育するスクリーンセーバー</source>
        <translation>A screen saver in which you keep tropical fish</translation>
    </message>
    <message>
        <source>Linux デスクトップ版（C++ と Qt 6 で作り直したもの）</source>
        <translation>Linux desktop edition (rebuilt in C++ and Qt 6)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmAquarium</name>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>スクリーンセーバーを終了します</source>
        <translation>Ends the screen saver</translation>
    </message>
    <message>
        <source>Configration</source>
        <translation>Configration</translation>
    </message>
    <message>
        <source>各種の設定を行います</source>
        <translation>Opens the settings</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>泡の出る位置を指定します（時計をクリックすると時計から泡が出ます）</source>
        <translation>Places the bubble source (click the clock to make the bubbles rise from it)</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>餌をやります（クリックしたところに餌が落ちます）</source>
        <translation>Feeds the fish (the food falls where you click)</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>色の設定</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>基本色</source>
        <translation>Basic colours</translation>
    </message>
    <message>
        <source>選択した色</source>
        <translation>Chosen colour</translation>
    </message>
    <message>
        <source>赤:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>緑:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>青:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>色の作成</source>
        <translation>Mix a colour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>frmFileSelect</name>
    <message>
        <source>画像ファイル(bmp,jpg,gif)</source>
        <translation>Pictures (bmp, jpg, gif)</translation>
    </message>
    <message>
        <source>AllFiles(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>ファイル選択</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>ファイル名(&amp;N):</source>
        <translation>File &amp;name:</translation>
    </message>
    <message>
        <source>ファイルの種類(&amp;T):</source>
        <translation>Files of &amp;type:</translation>
    </message>
    <message>
        <source>ディレクトリ(&amp;D):</source>
        <translation>&amp;Folders:</translation>
    </message>
    <message>
        <source>ドライブ(&amp;V):</source>
        <translation>&amp;Volumes:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ドライブ名変更エラー</source>
        <translation>Cannot open folder</translation>
    </message>
    <message>
        <source>サウンドファイル(ogg,opus,flac,mp3,wav,m4a)</source>
        <translation>Sounds (ogg, opus, flac, mp3, wav, m4a)</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>folder error</comment>
        <extracomment>%1 is why the folder %2 cannot be opened.</extracomment>
        <translation>The folder %2 cannot be opened: %1.</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Screen Finwick Configration</source>
        <translation>Screen Finwick Configration</translation>
    </message>
    <message>
        <source>動作環境</source>
        <translation>General</translation>
    </message>
    <message>
        <source>水槽管理</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>魚の管理</source>
        <translation>Fish</translation>
    </message>
    <message>
        <source>熱帯魚屋</source>
        <translation>Fish shop</translation>
    </message>
    <message>
        <source>HELP＆README...</source>
        <translation>HELP &amp;&amp; README...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>魚の情報(&amp;1)...</source>
        <translation>Fish info (&amp;1)...</translation>
    </message>
    <message>
        <source>エラーメッセージ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>設定ファイルに書き込めませんでした。
%1</source>
        <translation>The settings file could not be written.
%1</translation>
    </message>
    <message>
        <source>作成中</source>
        <translation>Not ready</translation>
    </message>
    <message>
        <source>開店準備中</source>
        <translation>The shop is not open yet.</translation>
    </message>
    <message>
        <source>ABOUT...</source>
        <translation>ABOUT...</translation>
    </message>
    <message>
        <source>ＢＧＭに使う音楽ファイルを指定してください。</source>
        <translation>Choose a music file for the background music.</translation>
    </message>
    <message>
        <source>音楽ファイルが見つかりません。
%1</source>
        <translation>The music file cannot be found.
%1</translation>
    </message>
    <message>
        <source>ファイル名に設定ファイルへ保存できない文字があります。
%1</source>
        <translation>The file name has characters the settings file cannot store.
%1</translation>
    </message>
    <message>
        <source>これは普通のファイルではありません。
%1</source>
        <translation>This is not a regular file.
%1</translation>
    </message>
    <message>
        <source>このファイルは音楽として再生できません。
%1</source>
        <translation>This file cannot be played as music.
%1</translation>
    </message>
</context>
</TS>
