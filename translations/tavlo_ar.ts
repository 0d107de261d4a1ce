<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>FileInfo</name>
    <message>
        <source>File Information</source>
        <translation>معلومات الملف</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>المسار:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>اسم الملف:</translation>
    </message>
    <message>
        <source>Copy Full Address</source>
        <translation>نسخ المسار الكامل</translation>
    </message>
    <message>
        <source>Document Length: %1</source>
        <translation>طول المستند: %1</translation>
    </message>
    <message>
        <source>Position: %1</source>
        <translation>الموضع: %1</translation>
    </message>
    <message>
        <source>Position: %1 to %2 (Selection Length: %3)</source>
        <translation>الموضع: من %1 إلى %2 (طول التحديد: %3)</translation>
    </message>
    <message>
        <source>(Untitled)</source>
        <translation>(بلا عنوان)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>تنسيق</translation>
    </message>
    <message>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation>شريط الأدوات الرئيسي</translation>
    </message>
    <message>
        <source>Edit Toolbar</source>
        <translation>شريط أدوات التحرير</translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation>بحث واستبدال</translation>
    </message>
    <message>
        <source>Find Previous (Shift+Enter)</source>
        <translation>بحث عن السابق (Shift+Enter)</translation>
    </message>
    <message>
        <source>Find ˄</source>
        <translation>بحث ˄</translation>
    </message>
    <message>
        <source>Find Next (Enter)</source>
        <translation>بحث عن التالي (Enter)</translation>
    </message>
    <message>
        <source>Find ˅</source>
        <translation>بحث ˅</translation>
    </message>
    <message>
        <source>Find All</source>
        <translation>بحث عن الكل</translation>
    </message>
    <message>
        <source>Match...</source>
        <translation>المطابقة...</translation>
    </message>
    <message>
        <source>Replace ˄</source>
        <translation>استبدال ˄</translation>
    </message>
    <message>
        <source>Replace ˅</source>
        <translation>استبدال ˅</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>استبدال الكل</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>البحث عن:</translation>
    </message>
    <message>
        <source>Press Ctrl+Enter or Alt+Enter to make a new line.</source>
        <translation>اضغط Ctrl+Enter أو Alt+Enter لبدء سطر جديد.</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>الاستبدال بـ:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>فتح...</translation>
    </message>
    <message>
        <source>Save UTF-8</source>
        <translation>حفظ بترميز UTF-8</translation>
    </message>
    <message>
        <source>Save As UTF-8...</source>
        <translation>حفظ باسم بترميز UTF-8...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Exit	Alt+F4, Ctrl+W</source>
        <translation>خروج	Alt+F4, Ctrl+W</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>حول Tavlo...</translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation>حول Qt...</translation>
    </message>
    <message>
        <source>Zero width non-joiner</source>
        <translation>فاصل غير واصل بعرض صفري</translation>
    </message>
    <message>
        <source>Right-to-left mark</source>
        <translation>علامة من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>Left-to-right mark</source>
        <translation>علامة من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>إعادة التحميل</translation>
    </message>
    <message>
        <source>Show Full Address in Title Bar</source>
        <translation>إظهار المسار الكامل في شريط العنوان</translation>
    </message>
    <message>
        <source>Wrapped - Auto</source>
        <translation>التفاف الأسطر - اتجاه تلقائي</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>الخط...</translation>
    </message>
    <message>
        <source>No Wrap - Left-to-Right</source>
        <translation>دون التفاف الأسطر - من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>No Wrap - Right-to-Left</source>
        <translation>دون التفاف الأسطر - من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>Find and Replace...	Ctrl+F, Ctrl+H</source>
        <translation>بحث واستبدال...	Ctrl+F, Ctrl+H</translation>
    </message>
    <message>
        <source>Date-Time</source>
        <translation>التاريخ والوقت</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>التحقق من وجود تحديثات...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>بحث عن التالي</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>بحث عن السابق</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>معلومات الملف...</translation>
    </message>
    <message>
        <source>the Tavlo developers</source>
        <translation>مطوّري Tavlo</translation>
    </message>
    <message>
        <source>Tango Icon Library</source>
        <translation>مكتبة أيقونات Tango</translation>
    </message>
    <message>
        <source>Tavlo ver %1 build %2</source>
        <translation>الإصدار %1 من Tavlo، البنية %2</translation>
    </message>
    <message>
        <source>Tavlo is a simple and useful plain text program for bidirectional texts:</source>
        <translation>برنامج Tavlo محرّر بسيط ومفيد للنصوص العادية ثنائية الاتجاه:</translation>
    </message>
    <message>
        <source>Start your paragraph with a Right-to-left mark to make it right-aligned!</source>
        <translation>ابدأ فقرتك بعلامة من اليمين إلى اليسار لتصبح محاذاتها إلى اليمين!</translation>
    </message>
    <message>
        <source>Created by %1</source>
        <translation>من إعداد %1</translation>
    </message>
    <message>
        <source>Some icons provided from %1</source>
        <translation>بعض الأيقونات مأخوذة من %1</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>الصفحة الرئيسية: ⁨%1⁩</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول Tavlo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>%1 - Tavlo</source>
        <translation>%1 - Tavlo</translation>
    </message>
    <message>
        <source>File has unsaved changes. Continue?</source>
        <translation>يحتوي الملف على تغييرات لم تُحفظ. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; was not found.</source>
        <translation>لم يُعثر على الملف «⁨%1⁩».</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is too large to open.</source>
        <translation>الملف «⁨%1⁩» كبير جدًا ولا يمكن فتحه.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be read.</source>
        <translation>لم يُقرأ سوى %1 من أصل %2 بايت.</translation>
    </message>
    <message>
        <source>Unable to open &apos;%1&apos;.</source>
        <translation>تعذّر فتح «⁨%1⁩».</translation>
    </message>
    <message>
        <source>Text (*.txt);;All Files (*.*)</source>
        <translation>ملفات نصية (*.txt);;كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>You are trying to save a file in UTF-8 which its previous encoding was &apos;%1&apos;.&lt;br&gt;&lt;br&gt;Proceed?</source>
        <translation>أنت على وشك حفظ الملف بترميز UTF-8، وكان ترميزه السابق «⁨%1⁩».&lt;br&gt;&lt;br&gt;هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Unable to save &apos;%1&apos;.</source>
        <translation>تعذّر حفظ «⁨%1⁩».</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>هذا ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>The file may be damaged. Its previous content is kept in &apos;%1&apos;.</source>
        <translation>قد يكون الملف تالفًا. محتواه السابق محفوظ في «⁨%1⁩».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed by another program since Tavlo opened or saved it.

Do you want to overwrite it?</source>
        <translation>عدّل برنامج آخر «⁨%1⁩» بعد أن فتحه Tavlo أو حفظه.

هل تريد الكتابة فوقه؟</translation>
    </message>
    <message>
        <source>Keep current file</source>
        <translation>الإبقاء على الملف الحالي</translation>
    </message>
    <message>
        <source>Current file doesn&apos;t exist anymore.

Do you want to keep Tavlo open?</source>
        <translation>لم يعد الملف الحالي موجودًا.

هل تريد إبقاء Tavlo مفتوحًا؟</translation>
    </message>
    <message>
        <source>Current file was changed by another program.

Do you want to reload it and lose the changes made in Tavlo?</source>
        <translation>عدّل برنامج آخر الملف الحالي.

هل تريد إعادة تحميله وفقدان التغييرات التي أُجريت في Tavlo؟</translation>
    </message>
    <message>
        <source>Current file was changed by another program.
Do you want to reload it?</source>
        <translation>عدّل برنامج آخر الملف الحالي.
هل تريد إعادة تحميله؟</translation>
    </message>
    <message>
        <source>Tavlo has finished searching the document.</source>
        <translation>انتهى Tavlo من البحث في المستند.</translation>
    </message>
    <message numerus="yes">
        <source>%n matches replaced successfully.</source>
        <translation>
            <numerusform>لم يُستبدل أي تطابق.</numerusform>
            <numerusform>تم استبدال تطابق واحد بنجاح.</numerusform>
            <numerusform>تم استبدال تطابقين بنجاح.</numerusform>
            <numerusform>تم استبدال %Ln تطابقات بنجاح.</numerusform>
            <numerusform>تم استبدال %Ln تطابقًا بنجاح.</numerusform>
            <numerusform>تم استبدال %Ln تطابق بنجاح.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tavlo</source>
        <translation>Tavlo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>System</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>(Clear Recent Files List)</source>
        <translation>(مسح قائمة الملفات الأخيرة)</translation>
    </message>
    <message>
        <source>&amp;%1: %2</source>
        <translation>&amp;%1: %2</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>لم يستجب الخادم في الوقت المحدد.</translation>
    </message>
    <message>
        <source>Internet Error</source>
        <translation>خطأ في الاتصال بالإنترنت</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Your Tavlo is up-to-date!&lt;br&gt;Current version: %1 build %2</source>
        <translation>لديك أحدث إصدار من Tavlo!&lt;br&gt;الإصدار الحالي: %1، البنية %2</translation>
    </message>
    <message>
        <source>Unknown server error</source>
        <translation>خطأ غير معروف في الخادم</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>To Persian Letters</source>
        <translation>إلى الحروف الفارسية</translation>
    </message>
    <message>
        <source>Arabic Yeh, Alef Maksura and Kaf to Farsi Yeh and Keheh</source>
        <translation>الياء العربية والألف المقصورة والكاف العربية إلى الياء الفارسية والكاف الفارسية</translation>
    </message>
    <message>
        <source>To Arabic Letters</source>
        <translation>إلى الحروف العربية</translation>
    </message>
    <message>
        <source>Farsi Yeh and Keheh to Arabic Yeh and Kaf</source>
        <translation>الياء الفارسية والكاف الفارسية إلى الياء العربية والكاف العربية</translation>
    </message>
    <message>
        <source>Persian Digits</source>
        <translation>إلى الأرقام الفارسية</translation>
    </message>
    <message>
        <source>Arabic-Indic Digits</source>
        <translation>إلى الأرقام العربية الهندية</translation>
    </message>
    <message>
        <source>Latin Digits</source>
        <translation>إلى الأرقام اللاتينية</translation>
    </message>
    <message>
        <source>Final Yeh as Alef Maksura</source>
        <translation>كتابة الياء الأخيرة ألفًا مقصورة</translation>
    </message>
    <message>
        <source>To Arabic Letters writes a Farsi Yeh that ends a word as Alef Maksura</source>
        <translation>عند التحويل «إلى الحروف العربية»، تُكتب الياء الفارسية في آخر الكلمة ألفًا مقصورة</translation>
    </message>
    <message>
        <source>Nothing to convert.</source>
        <translation>لا يوجد ما يمكن تحويله.</translation>
    </message>
    <message numerus="yes">
        <source>%n digits converted.</source>
        <translation>
            <numerusform>لم يُحوَّل أي رقم.</numerusform>
            <numerusform>تم تحويل رقم واحد.</numerusform>
            <numerusform>تم تحويل رقمين.</numerusform>
            <numerusform>تم تحويل %Ln أرقام.</numerusform>
            <numerusform>تم تحويل %Ln رقمًا.</numerusform>
            <numerusform>تم تحويل %Ln رقم.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters converted.</source>
        <translation>
            <numerusform>لم يُحوَّل أي حرف.</numerusform>
            <numerusform>تم تحويل حرف واحد.</numerusform>
            <numerusform>تم تحويل حرفين.</numerusform>
            <numerusform>تم تحويل %Ln أحرف.</numerusform>
            <numerusform>تم تحويل %Ln حرفًا.</numerusform>
            <numerusform>تم تحويل %Ln حرف.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tavlo opens files of up to %1 MB.</source>
        <translation>يفتح Tavlo الملفات التي لا يتجاوز حجمها %1 ميغابايت.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Opening &apos;%1&apos;...</source>
        <translation>جارٍ فتح «⁨%1⁩»...</translation>
    </message>
    <message>
        <source>The longest line of &apos;%1&apos; has %2 characters. Editing a line this long is slow.</source>
        <translation>عدد الأحرف في أطول سطر من «⁨%1⁩» هو %2، وتحرير سطر بهذا الطول بطيء.</translation>
    </message>
    <message>
        <source>Tavlo can open the file only with its lines broken.</source>
        <translation>لا يستطيع Tavlo فتح هذا الملف إلا بعد تقسيم أسطره.</translation>
    </message>
    <message>
        <source>Break the lines at %1 characters? The document then counts as changed, and saving writes the broken lines.</source>
        <translation>هل تريد تقسيم الأسطر عند %1 حرف؟ سيُعدّ المستند عندئذٍ معدَّلًا، وعند حفظه تُكتب الأسطر مقسّمةً.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>جارٍ التحويل...</translation>
    </message>
    <message>
        <source>Saving &apos;%1&apos;...</source>
        <translation>جارٍ حفظ «⁨%1⁩»...</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>جارٍ البحث...</translation>
    </message>
    <message>
        <source>Replacing...</source>
        <translation>جارٍ الاستبدال...</translation>
    </message>
    <message>
        <source>Each key typed in it would take about %1 ms.</source>
        <translation>ستستغرق كل ضغطة مفتاح فيه نحو %1 ميلي ثانية.</translation>
    </message>
    <message>
        <source>A line of %1 characters was pasted or typed. Editing a line this long is slow.</source>
        <translation>لُصق أو كُتب سطر عدد أحرفه %1، وتحرير سطر بهذا الطول بطيء.</translation>
    </message>
    <message>
        <source>Long line</source>
        <translation>سطر طويل</translation>
    </message>
    <message>
        <source>Tavlo can keep it only with its lines broken.</source>
        <translation>لا يستطيع Tavlo إبقاء هذا السطر إلا بعد تقسيمه إلى أسطر.</translation>
    </message>
    <message>
        <source>Breaking lines...</source>
        <translation>جارٍ تقسيم الأسطر...</translation>
    </message>
</context>
<context>
    <name>MatchHighlights</name>
    <message>
        <source>No matches</source>
        <translation>لا توجد تطابقات</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>لا توجد تطابقات</numerusform>
            <numerusform>تطابق واحد</numerusform>
            <numerusform>تطابقان</numerusform>
            <numerusform>%Ln تطابقات</numerusform>
            <numerusform>%Ln تطابقًا</numerusform>
            <numerusform>%Ln تطابق</numerusform>
        </translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>جارٍ العدّ...</translation>
    </message>
</context>
<context>
    <name>NewVer</name>
    <message>
        <source>New Version</source>
        <translation>إصدار جديد</translation>
    </message>
    <message>
        <source>Latest Changes:</source>
        <translation>آخر التغييرات:</translation>
    </message>
    <message>
        <source>Remind me for:</source>
        <translation>ذكّرني بعد:</translation>
    </message>
    <message>
        <source>Download now!</source>
        <translation>نزّله الآن!</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>يوم واحد</translation>
    </message>
    <message>
        <source>3 Days</source>
        <translation>٣ أيام</translation>
    </message>
    <message>
        <source>1 Week</source>
        <translation>أسبوع واحد</translation>
    </message>
    <message>
        <source>1 Month</source>
        <translation>شهر واحد</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>يتوفر إصدار جديد!</translation>
    </message>
    <message>
        <source>Your Version: %1 Build %2</source>
        <translation>إصدارك: %1، البنية %2</translation>
    </message>
    <message>
        <source>Go to %1 to download!</source>
        <translation>انتقل إلى ⁨%1⁩ لتنزيله!</translation>
    </message>
</context>
<context>
    <name>OpenDialog</name>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Select an encoding.</source>
        <translation>اختر ترميزًا.</translation>
    </message>
    <message>
        <source># Converting...</source>
        <translation># جارٍ التحويل...</translation>
    </message>
    <message>
        <source># Error.</source>
        <translation># خطأ.</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>وسط أوروبا</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>السيريلية</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>غرب أوروبا</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>اليونانية</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>التركية</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>العبرية</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>البلطيقية</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>الفيتنامية</translation>
    </message>
    <message>
        <source>&amp;Suggested: %1</source>
        <translation>&amp;المقترح: %1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>TextEditor</name>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Copying...</source>
        <translation>جارٍ النسخ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>جارٍ الحذف...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Pasting...</source>
        <translation>جارٍ اللصق...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>جارٍ التراجع...</translation>
    </message>
    <message>
        <source>Redoing...</source>
        <translation>جارٍ الإعادة...</translation>
    </message>
</context>
<context>
    <name>qMatch</name>
    <message>
        <source>Match</source>
        <translation>خيارات المطابقة</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>مطابقة حالة الأحرف</translation>
    </message>
    <message>
        <source>Match Alef Hamza YehKeh</source>
        <translation>مطابقة أشكال الألف والهمزة والياء والكاف</translation>
    </message>
</context>
</TS>
