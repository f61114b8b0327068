<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Localizable</name>
    <message>
        <source>Converter</source>
        <translation>المحوّل</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>الأسعار</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>آخر تحديث</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>الفاصلة العشرية</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>in %@</source>
        <translation>إلى %@</translation>
    </message>
    <message>
        <source>Amount in %@</source>
        <translation>المبلغ بعملة %@</translation>
    </message>
    <message>
        <source>Amount converted to %@</source>
        <translation>المبلغ محوّلًا إلى %@</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>أبدًا</translation>
    </message>
    <message>
        <source>Add Currency </source>
        <translation>إضافة عملة </translation>
    </message>
    <message>
        <source>Edit a Foreign Currency</source>
        <translation>تعديل عملة أجنبية</translation>
    </message>
    <message>
        <source>Select a Foreign Currency</source>
        <translation>اختيار عملة أجنبية</translation>
    </message>
    <message>
        <source>Add Foreign Currency</source>
        <translation>إضافة عملة أجنبية</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Exchange rate update relies on </source>
        <translation>يعتمد تحديث أسعار الصرف على </translation>
    </message>
    <message>
        <source>an Internet server.
</source>
        <translation>خادم على الإنترنت.
</translation>
    </message>
    <message>
        <source>That server cannot currently be reached. </source>
        <translation>يتعذّر الوصول إلى هذا الخادم حاليًا. </translation>
    </message>
    <message>
        <source>Please try again later.</source>
        <translation>يُرجى المحاولة مرة أخرى لاحقًا.</translation>
    </message>
    <message>
        <source>Exchange rate update requires </source>
        <translation>يتطلّب تحديث أسعار الصرف </translation>
    </message>
    <message>
        <source>an Internet connection.
</source>
        <translation>اتصالًا بالإنترنت.
</translation>
    </message>
    <message>
        <source>Please check the connection and try again.</source>
        <translation>يُرجى التحقق من الاتصال والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Server not reachable</source>
        <translation>تعذّر الوصول إلى الخادم</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>العملة</translation>
    </message>
    <message>
        <source>Master Currency</source>
        <translation>العملة الأساسية</translation>
    </message>
    <message>
        <source>Foreign Currency</source>
        <translation>العملة الأجنبية</translation>
    </message>
    <message>
        <source>Automatic updates are supported 
for 190+ world currencies</source>
        <translation>يتوفّر التحديث التلقائي 
لأكثر من ١٩٠ عملة حول العالم</translation>
    </message>
    <message>
        <source>Value of 1 %@ in above currency</source>
        <translation>قيمة ١ %@ بالعملة أعلاه</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>السعر</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>التحويل</translation>
    </message>
    <message>
        <source>Foreign currencies</source>
        <translation>العملات الأجنبية</translation>
    </message>
    <message>
        <source>Adding currencies</source>
        <translation>إضافة العملات</translation>
    </message>
    <message>
        <source>Tap Add Foreign Currency to choose from more than 190 world currencies; the search field finds one by its code or its name. A currency that is not in the list can be typed in with More, together with its rate. Rates are downloaded only for currencies of the list.</source>
        <translation>اضغط على «إضافة عملة أجنبية» لتختار من بين أكثر من ١٩٠ عملة حول العالم، ويعثر حقل البحث على العملة برمزها أو باسمها. ويمكن إدخال عملة غير موجودة في القائمة مع سعرها عبر «المزيد». ولا تُنزَّل الأسعار إلا لعملات القائمة.</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>أسعار الصرف</translation>
    </message>
    <message>
        <source>With automatic updates on (the Setup tab), Ratepad downloads every rate when the last download is six hours old, and rates that are still missing whenever it starts. The refresh button of the Rates tab downloads all rates at once. Until a rate has been downloaded, a starting rate shipped with Ratepad is used, so conversions work offline from the first start.</source>
        <translation>عند تشغيل التحديث التلقائي (في علامة التبويب «الإعدادات»)، ينزّل Ratepad جميع الأسعار بعد مرور ست ساعات على آخر تنزيل، وينزّل الأسعار التي لا تزال مفقودة في كل مرة يبدأ فيها. ويُنزّل زر التحديث في علامة التبويب «الأسعار» جميع الأسعار دفعة واحدة. وإلى أن يُنزَّل سعر ما، يُستخدم سعر ابتدائي مرفق مع Ratepad، فيعمل التحويل دون اتصال منذ التشغيل الأول.</translation>
    </message>
    <message>
        <source>Local currency</source>
        <translation>العملة المحلية</translation>
    </message>
    <message>
        <source>The Setup tab also changes your local currency. A new local currency replaces the foreign list with a fresh starting list, so Ratepad asks before it does so.</source>
        <translation>تتيح علامة التبويب «الإعدادات» أيضًا تغيير عملتك المحلية. وتستبدل العملة المحلية الجديدة قائمة العملات الأجنبية بقائمة ابتدائية جديدة، لذلك يسألك Ratepad قبل أن يفعل ذلك.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>بياناتك</translation>
    </message>
    <message>
        <source>Your currencies, rates and settings are saved on this computer a moment after every change and when Ratepad quits. Nothing is sent anywhere except the currency codes of the rates being looked up.</source>
        <translation>تُحفظ عملاتك وأسعارك وإعداداتك على هذا الحاسوب بعد لحظات من كل تغيير وعند إغلاق Ratepad. ولا يُرسل شيء إلى أي مكان سوى رموز العملات التي يُبحث عن أسعارها.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>المساعدة</translation>
    </message>
    <message>
        <source>Exchange rates for many currencies</source>
        <translation>أسعار الصرف لعملات كثيرة</translation>
    </message>
    <message>
        <source>Simple Calculator</source>
        <translation>Simple Calculator</translation>
    </message>
    <message>
        <source>A calculator without clutter</source>
        <translation>آلة حاسبة بلا تعقيد</translation>
    </message>
    <message>
        <source>Calculator++</source>
        <translation>Calculator++</translation>
    </message>
    <message>
        <source>Scientific calculator with history</source>
        <translation>آلة حاسبة علمية مع سجلّ للعمليات</translation>
    </message>
    <message>
        <source>Unit Converter Ultimate</source>
        <translation>Unit Converter Ultimate</translation>
    </message>
    <message>
        <source>Converts units of every kind</source>
        <translation>يحوّل الوحدات من كل نوع</translation>
    </message>
    <message>
        <source>Qalculate!</source>
        <translation>Qalculate!</translation>
    </message>
    <message>
        <source>Calculator with units and currencies</source>
        <translation>آلة حاسبة للوحدات والعملات</translation>
    </message>
    <message>
        <source>GNOME Calculator</source>
        <translation>GNOME Calculator</translation>
    </message>
    <message>
        <source>Desktop calculator with currency conversion</source>
        <translation>آلة حاسبة لسطح المكتب تحوّل العملات</translation>
    </message>
    <message>
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Select Currency</source>
        <translation>اختيار العملة</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Type In a Currency</source>
        <translation>إدخال عملة يدويًا</translation>
    </message>
    <message>
        <source>Type In %@</source>
        <translation>إدخال %@ يدويًا</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>أسعار الصرف</translation>
    </message>
    <message>
        <source>Download exchange rates
for 190+ world currencies</source>
        <translation>تنزيل أسعار الصرف
لأكثر من ١٩٠ عملة حول العالم</translation>
    </message>
    <message>
        <source>Tap to set your home currency</source>
        <translation>اضغط لتحديد عملتك المحلية</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>التحديث التلقائي</translation>
    </message>
    <message>
        <source>Changing the local currency will revert all foreign currencies</source>
        <translation>سيؤدي تغيير العملة المحلية إلى إعادة جميع العملات الأجنبية إلى حالتها الابتدائية</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>قيد التنفيذ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Phone Applications</source>
        <translation>تطبيقات الهاتف</translation>
    </message>
    <message>
        <source>Desktop Applications</source>
        <translation>تطبيقات سطح المكتب</translation>
    </message>
    <message>
        <source>Made by %@</source>
        <translation>من تطوير %@</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Next tab: %1, previous tab: %2</source>
        <translation>علامة التبويب التالية: %1، السابقة: %2</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Shift+Tab, or Ctrl+Page Down and Ctrl+Page Up, go to the next and the previous tab; Alt+1 to Alt+5 open a tab directly. Tab moves between the controls; in a list the arrow keys move the highlight and Return or Space chooses the row. While the Rates list is being edited, Delete or Backspace asks to delete the highlighted currency and Return confirms; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>ينتقل Ctrl+Tab وCtrl+Shift+Tab، أو Ctrl+Page Down وCtrl+Page Up، إلى علامة التبويب التالية والسابقة؛ ويفتح Alt+1 إلى Alt+5 علامة تبويب مباشرةً. ينقل Tab التركيز بين عناصر التحكم؛ وفي القائمة تحرّك مفاتيح الأسهم التمييز ويختار Return أو Space الصف. وأثناء تعديل قائمة الأسعار يطلب Delete أو Backspace حذف العملة المميّزة ويؤكّد Return الحذف؛ وينقلها Ctrl+Up وCtrl+Down.</translation>
    </message>
    <message>
        <source>Keep this rate</source>
        <translation>الاحتفاظ بهذا السعر</translation>
    </message>
    <message>
        <source>Type an amount on the keypad of the first tab. The upper row shows it in your local currency and converted into the current foreign currency; the lower row shows the same amount in the foreign currency and converted back. Results are exact and rounded to two decimals; a result too small for that shows its first three significant digits. C clears the amount. On a computer you can type digits and the decimal point (a point or a comma), take back the last key with Backspace, clear with Escape or Delete, and copy the converted amount with Ctrl+C.</source>
        <translation>اكتب مبلغًا على لوحة المفاتيح في علامة التبويب الأولى. يعرض الصف العلوي المبلغ بعملتك المحلية ومحوّلًا إلى العملة الأجنبية الحالية، ويعرض الصف السفلي المبلغ نفسه بالعملة الأجنبية ومحوّلًا في الاتجاه المعاكس. النتائج دقيقة ومقرّبة إلى منزلتين عشريتين؛ والنتيجة الأصغر من ذلك تُعرض بأول ثلاثة أرقام معنوية منها. يمسح الزر C المبلغ. وعلى الحاسوب يمكنك كتابة الأرقام والفاصلة العشرية (نقطة أو فاصلة)، والتراجع عن آخر مفتاح باستخدام Backspace، والمسح باستخدام Escape أو Delete، ونسخ المبلغ المحوَّل باستخدام Ctrl+C.</translation>
    </message>
    <message>
        <source>The Rates tab lists your foreign currencies with their rate (how much of the foreign currency one unit of your local currency buys) and when their source published it (or, where the service does not say, when it was downloaded). Tap a currency to make it the one the keypad converts into. Tap Edit to delete currencies, to move them by their grips, or to change the name or the rate of one. A rate you type reads Your rate until the next download replaces it; with Keep this rate on, downloads leave it alone (a pin marks it).</source>
        <translation>تعرض علامة التبويب «الأسعار» عملاتك الأجنبية مع سعر كل منها (أي مقدار العملة الأجنبية الذي تشتريه وحدة واحدة من عملتك المحلية) ووقت نشر مصدره له (أو وقت تنزيله إن لم تذكر الخدمة ذلك). اضغط على عملة لتصبح العملة التي تحوّل إليها لوحة المفاتيح. واضغط على «تعديل» لحذف العملات، أو لنقلها بمقابضها، أو لتغيير اسم إحداها أو سعرها. ويظهر السعر الذي تكتبه بعبارة «سعرك» حتى يستبدله التنزيل التالي؛ وإذا فعّلت «الاحتفاظ بهذا السعر» فلن تغيّره التنزيلات (ويميّزه دبوس).</translation>
    </message>
    <message>
        <source>Your rate</source>
        <translation>سعرك</translation>
    </message>
    <message>
        <source>Cannot Open Link</source>
        <translation>تعذّر فتح الرابط</translation>
    </message>
    <message>
        <source>No application here opens this link. It has been copied to the clipboard.</source>
        <translation>لا يوجد هنا تطبيق يفتح هذا الرابط. لقد نُسخ إلى الحافظة.</translation>
    </message>
    <message>
        <source>Currencies</source>
        <comment>title of the currency list</comment>
        <translation>العملات</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ZkSolicitReview</name>
    <message>
        <source>Enjoying %@?</source>
        <translation>هل يعجبك %@؟</translation>
    </message>
    <message>
        <source>If you find it useful, would you take a moment to rate it in the store? It won&apos;t take more than a minute. Thank you for your support!</source>
        <translation>إن وجدته مفيدًا، فهل تتكرّم بتقييمه في المتجر؟ لن يستغرق ذلك أكثر من دقيقة. شكرًا لدعمك!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>لا، شكرًا</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>قيّمه الآن</translation>
    </message>
</context>
</TS>
