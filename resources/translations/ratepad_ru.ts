<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>Конвертер</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Курсы</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Последнее обновление</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Десятичный разделитель</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>в %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>Сумма в %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>Сумма в пересчёте на %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>Добавить валюту </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>Изменить иностранную валюту</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>Выберите иностранную валюту</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>Добавить иностранную валюту</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>Для обновления курсов используется </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>интернет-сервер.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>Сейчас этот сервер недоступен. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>Для обновления курсов требуется </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>подключение к интернету.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>Сервер недоступен</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>Основная валюта</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>Автообновление доступно 
для более чем 190 валют мира</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>Стоимость 1 %@ в валюте выше</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Курс обмена</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Пересчёт</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>Иностранные валюты</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>Добавление валют</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>Нажмите «Добавить иностранную валюту», чтобы выбрать из более чем 190 валют мира; поле поиска находит валюту по коду или названию. Валюту, которой нет в списке, можно ввести вручную кнопкой «Ещё» вместе с её курсом. Курсы загружаются только для валют из списка.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Курсы валют</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>Если автообновление включено (вкладка «Настройки»), Ratepad загружает все курсы, когда с последней загрузки прошло шесть часов, а недостающие курсы — при каждом запуске. Кнопка обновления на вкладке «Курсы» загружает все курсы сразу. Пока курс не загружен, используется начальный курс, поставляемый с Ratepad, поэтому пересчёт работает без сети с первого запуска.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>Местная валюта</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>На вкладке «Настройки» можно также сменить местную валюту. Новая местная валюта заменяет список иностранных валют новым начальным списком, поэтому Ratepad сначала спрашивает.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Ваши данные</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>Ваши валюты, курсы и настройки сохраняются на этом компьютере вскоре после каждого изменения и при выходе из Ratepad. Никуда ничего не отправляется, кроме кодов валют, курсы которых запрашиваются.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>Курсы множества валют</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>Калькулятор без лишнего</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>Научный калькулятор с историей</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>Переводит любые единицы измерения</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>Калькулятор с единицами и валютами</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>Настольный калькулятор с пересчётом валют</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>Выбор валюты</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>Ввести валюту</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>Ввести %@</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Курсы валют</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>Загрузка курсов
более 190 валют мира</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>Нажмите, чтобы выбрать местную валюту</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Автообновление</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>При смене местной валюты все иностранные валюты будут сброшены</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>Следующая вкладка: %1, предыдущая вкладка: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Ctrl+Tab и Ctrl+Shift+Tab или Ctrl+Page Down и Ctrl+Page Up переходят на следующую и предыдущую вкладку; Alt+1–Alt+5 сразу открывают вкладку. Tab переходит между элементами управления; в списке стрелки перемещают выделение, а Enter или пробел выбирает строку. Во время правки списка курсов Delete или Backspace предлагает удалить выделенную валюту, а Enter подтверждает; Ctrl+вверх и Ctrl+вниз перемещают её.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>Валюты</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>Сохранять этот курс</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>Введите сумму на клавиатуре первой вкладки. Верхняя строка показывает её в вашей местной валюте и в пересчёте на текущую иностранную валюту; нижняя строка — ту же сумму в иностранной валюте и в обратном пересчёте. Результаты точные и округляются до двух знаков после запятой; слишком маленький для этого результат показывается тремя первыми значащими цифрами. C очищает сумму. На компьютере можно вводить цифры и десятичный разделитель (точку или запятую), отменять последнюю клавишу клавишей Backspace, очищать сумму клавишей Esc или Delete, а пересчитанную сумму копировать сочетанием Ctrl+C.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>На вкладке «Курсы» перечислены ваши иностранные валюты с их курсом (сколько иностранной валюты можно получить за единицу местной) и временем, когда источник его опубликовал (или, если сервис этого не сообщает, временем загрузки). Нажмите на валюту, чтобы клавиатура пересчитывала в неё. Нажмите «Изменить», чтобы удалить валюты, перетащить их за маркеры или изменить название или курс одной из них. Введённый вами курс помечается «Ваш курс», пока следующая загрузка его не заменит; при включённом «Сохранять этот курс» загрузки его не меняют (его отмечает булавка).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>Ваш курс</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>Приложения для телефона</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>Приложения для компьютера</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>Разработчик: %@</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>Не удаётся открыть ссылку</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>Здесь нет приложения, открывающего эту ссылку. Она скопирована в буфер обмена.</translation>
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
        <translation>Нравится %@?</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>Если приложение вам полезно, не могли бы вы уделить минутку и оценить его в магазине? Это займёт не больше минуты. Спасибо за поддержку!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Нет, спасибо</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Оценить</translation>
    </message>
</context>
</TS>
