<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>換算</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>レート</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>最終更新</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>%@建て</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>%@での金額</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>%@に換算した金額</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>通貨を追加 </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>外貨を編集</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>外貨を選択</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>外貨を追加</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>為替レートの更新には </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>インターネット上のサーバーを使用します。
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>現在このサーバーに接続できません。 </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>為替レートの更新には </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>インターネット接続が必要です。
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>サーバーに接続できません</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>基準通貨</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>外貨</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>世界190以上の通貨で 
自動更新を利用できます</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>1 %@を上の通貨で表した値</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>為替レート</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>換算</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>外貨</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>通貨の追加</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>「外貨を追加」をタップすると、世界の190以上の通貨から選べます。検索フィールドでは、コードや名前で通貨を探せます。リストにない通貨は「その他」からレートと一緒に入力できます。レートはリストにある通貨についてのみダウンロードされます。</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>為替レート</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>自動更新がオン（「設定」タブ）のとき、Ratepad は前回のダウンロードから6時間経つとすべてのレートをダウンロードし、起動するたびにまだないレートをダウンロードします。「レート」タブの更新ボタンを押すと、すべてのレートを一度にダウンロードします。レートがダウンロードされるまでは Ratepad に付属の初期レートが使われるので、初回の起動からオフラインでも換算できます。</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>自国通貨</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>「設定」タブでは自国通貨も変更できます。自国通貨を変更すると外貨のリストが新しい初期リストに置き換わるため、Ratepad は変更前に確認します。</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>データについて</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>通貨、レート、設定は、変更するたびに少し後と Ratepad の終了時に、このコンピュータに保存されます。照会するレートの通貨コード以外は、どこにも送信されません。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>多数の通貨の為替レート</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>シンプルで見やすい電卓</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>履歴付きの関数電卓</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>あらゆる単位を換算</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>単位と通貨を扱える電卓</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>通貨換算付きのデスクトップ電卓</translation>
    </message>
    <message>
        <source>More</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>通貨を選択</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>通貨を入力</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>%@ を入力</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>為替レート</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>為替レートをダウンロード
世界190以上の通貨に対応</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>タップして自国通貨を設定</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>自動更新</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>自国通貨を変更すると、すべての外貨が初期状態に戻ります</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>次のタブ: %1、前のタブ: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab と Ctrl+Shift+Tab、または Ctrl+PageDown と Ctrl+PageUp で次または前のタブに移動し、Alt+1～Alt+5 でタブを直接開きます。Tab で操作部品の間を移動し、リストでは矢印キーで強調表示を動かし、Return または Space で行を選びます。レート一覧の編集中は、Delete または Backspace で強調表示中の通貨を削除するか確認し、Return で確定します。Ctrl+↑ と Ctrl+↓ で通貨を移動します。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>このレートを保持</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>最初のタブのキーパッドで金額を入力します。上の行には自国通貨での金額と、現在の外貨に換算した金額が表示されます。下の行には同じ金額を外貨で表したものと、それを逆に換算した金額が表示されます。結果は正確で、小数点以下2桁に丸められます。それでは小さすぎる結果は、上位3桁の有効数字で表示されます。C で金額をクリアします。コンピュータでは数字と小数点（ピリオドまたはコンマ）を入力でき、Backspace で最後のキーを取り消し、Esc または Delete でクリアし、Ctrl+C で換算後の金額をコピーできます。</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>「レート」タブには、登録した外貨がレート（自国通貨1単位で買える外貨の額）と、提供元がそのレートを公表した時刻（サービスが示さない場合はダウンロードした時刻）とともに表示されます。通貨をタップすると、キーパッドの換算先になります。「編集」をタップすると、通貨の削除、ハンドルでの並べ替え、通貨の名前・レートの変更ができます。入力したレートは、次のダウンロードで置き換えられるまで「自分のレート」と表示されます。「このレートを保持」をオンにすると、ダウンロードしても変わりません（ピンで示されます）。</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>自分のレート</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>スマートフォン用アプリ</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>デスクトップ用アプリ</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>開発元: %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>リンクを開けません</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>このリンクを開くアプリケーションがありません。リンクはクリップボードにコピーされました。</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ZkSolicitReview</name>
    <message>
        <source>Enjoying %@?</source>
        <translation>%@を気に入っていただけましたか？</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>お役に立っているようでしたら、ストアで評価していただけませんか？1分もかかりません。ご協力ありがとうございます！</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>いいえ、結構です</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>今すぐ評価</translation>
    </message>
</context>
</TS>
