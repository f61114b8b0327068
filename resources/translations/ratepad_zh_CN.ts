<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>换算</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>汇率</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>上次更新</translation>
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
        <translation>清除</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>以 %@ 计</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>%@ 金额</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>换算为 %@ 的金额</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>添加货币 </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>编辑外币</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>选择外币</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>添加外币</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>汇率更新依赖于 </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>一台互联网服务器。
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>目前无法连接到该服务器。 </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>请稍后再试。</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>汇率更新需要 </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>互联网连接。
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>无法连接服务器</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>本币</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>外币</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>全球 190 多种货币 
均支持自动更新</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>1 %@ 折合上方货币的数额</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>汇率</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>换算</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>外币</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>添加货币</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>轻点“添加外币”，可从全球 190 多种货币中选择；搜索框可按代码或名称查找货币。列表中没有的货币，可以通过“更多”连同汇率一起手动输入。只有列表中的货币才会下载汇率。</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>汇率</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>开启自动更新后（“设置”标签页），Ratepad 会在上次下载满六小时后下载所有汇率，并在每次启动时下载尚缺的汇率。“汇率”标签页的刷新按钮可一次下载所有汇率。在汇率下载之前，会使用 Ratepad 自带的初始汇率，因此从首次启动起即可离线换算。</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>本币</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>在“设置”标签页中还可以更改本币。更换本币会用新的初始列表替换外币列表，因此 Ratepad 会先征求你的确认。</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>你的数据</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>你的货币、汇率和设置会在每次更改后不久以及退出 Ratepad 时保存在这台电脑上。除查询汇率所用的货币代码外，不会发送任何内容。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>多种货币的汇率</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>简洁清爽的计算器</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>带历史记录的科学计算器</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>换算各类单位</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>支持单位和货币的计算器</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>带货币换算的桌面计算器</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>选择货币</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>输入货币</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>输入 %@</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>汇率</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>下载全球 190 多种货币的
汇率</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>轻点设置本币</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>自动更新</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>更改本币将重置所有外币</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>下一个标签页：%1，上一个标签页：%2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab 和 Ctrl+Shift+Tab（或 Ctrl+Page Down 和 Ctrl+Page Up）切换到下一个或上一个标签页；Alt+1 至 Alt+5 直接打开标签页。Tab 在控件之间移动；在列表中，方向键移动高亮，Return 或空格选择该行。编辑汇率列表时，Delete 或 Backspace 询问是否删除高亮的货币，Return 确认；Ctrl+↑ 和 Ctrl+↓ 移动它。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>货币</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>保留此汇率</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>在第一个标签页的键盘上输入金额。上面一行显示该金额的本币值及换算成当前外币后的金额；下面一行显示同一金额的外币值及换算回来的金额。结果精确，并四舍五入到两位小数；小到无法这样显示的结果会显示其前三位有效数字。C 清除金额。在电脑上，可以输入数字和小数点（句点或逗号），用 Backspace 撤销最后一个按键，用 Esc 或 Delete 清除，并用 Ctrl+C 复制换算后的金额。</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>“汇率”标签页列出你的外币及其汇率（一单位本币可兑换多少外币）以及其来源发布该汇率的时间（服务未说明时为下载时间）。轻点一种货币，键盘就会换算成该货币。轻点“编辑”可以删除货币、拖动手柄调整顺序，或修改某种货币的名称或汇率。你输入的汇率会显示为“你的汇率”，直到下次下载将其替换；打开“保留此汇率”后，下载不会更改它（以图钉标记）。</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>你的汇率</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>手机应用</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>桌面应用</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>开发者：%@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>无法打开链接</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>此处没有能打开此链接的应用程序。链接已复制到剪贴板。</translation>
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
        <translation>喜欢 %@ 吗？</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>如果你觉得它有用，能否花点时间在应用商店给它评个分？不会超过一分钟。感谢你的支持！</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>不了，谢谢</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>立即评分</translation>
    </message>
</context>
</TS>
