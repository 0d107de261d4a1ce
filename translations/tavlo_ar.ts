<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Preparing the preview of &apos;%1&apos;...</source>
        <translation>جارٍ تحضير معاينة «%1»...</translation>
    </message>
    <message>
        <source>Printing &apos;%1&apos;...</source>
        <translation>جارٍ طباعة «%1»...</translation>
    </message>
    <message>
        <source>Unable to print &apos;%1&apos;.</source>
        <translation>تعذّرت طباعة «%1».</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>تصدير بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exporting &apos;%1&apos;...</source>
        <translation>جارٍ تصدير «%1»...</translation>
    </message>
    <message>
        <source>Unable to export &apos;%1&apos;.</source>
        <translation>تعذّر تصدير «%1».</translation>
    </message>
</context>
<context>
    <name>DocumentStatus</name>
    <message>
        <source>Ln %1, Col %2</source>
        <translation>سطر %1، عمود %2</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <comment>the selection&apos;s characters and words</comment>
        <translation>(%1، %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 chars</source>
        <comment>selected characters</comment>
        <translation>
            <numerusform>%1 حرف</numerusform>
            <numerusform>حرف واحد</numerusform>
            <numerusform>حرفان</numerusform>
            <numerusform>%1 أحرف</numerusform>
            <numerusform>%1 حرفًا</numerusform>
            <numerusform>%1 حرف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 words</source>
        <translation>
            <numerusform>%1 كلمة</numerusform>
            <numerusform>كلمة واحدة</numerusform>
            <numerusform>كلمتان</numerusform>
            <numerusform>%1 كلمات</numerusform>
            <numerusform>%1 كلمةً</numerusform>
            <numerusform>%1 كلمة</numerusform>
        </translation>
    </message>
    <message>
        <source>Counting words...</source>
        <translation>جارٍ عدّ الكلمات...</translation>
    </message>
    <message numerus="yes">
        <source>%1 characters</source>
        <translation>
            <numerusform>%1 حرف</numerusform>
            <numerusform>حرف واحد</numerusform>
            <numerusform>حرفان</numerusform>
            <numerusform>%1 أحرف</numerusform>
            <numerusform>%1 حرفًا</numerusform>
            <numerusform>%1 حرف</numerusform>
        </translation>
    </message>
</context>
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
        <translation>انسخ المسار الكامل</translation>
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
    <name>GoToLine</name>
    <message>
        <source>Go to Line</source>
        <translation>الانتقال إلى سطر</translation>
    </message>
    <message>
        <source>&amp;Line number:</source>
        <translation>&amp;رقم السطر:</translation>
    </message>
    <message>
        <source>&amp;Line number (%1 to %2):</source>
        <translation>&amp;رقم السطر (من %1 إلى %2):</translation>
    </message>
</context>
<context>
    <name>InlineSpellCheck</name>
    <message>
        <source>No Suggestions</source>
        <translation>لا توجد اقتراحات</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>أ&amp;ضف إلى القاموس</translation>
    </message>
    <message>
        <source>&amp;Ignore All</source>
        <translation>تجا&amp;هل الكل</translation>
    </message>
</context>
<context>
    <name>JournalKeeper</name>
    <message>
        <source>Recovery</source>
        <translation>الاستعادة</translation>
    </message>
    <message>
        <source>Recovery is off: Tavlo cannot keep its recovery journal in &apos;%1&apos;. Changes not yet saved will be lost if Tavlo or the computer stops.</source>
        <translation>الاستعادة معطّلة: لا يستطيع Tavlo الاحتفاظ بسجل الاستعادة في «%1». ستضيع التغييرات التي لم تُحفظ بعد إذا توقف Tavlo أو الحاسوب.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <translation>ابحث عن السابق (Shift+Enter)</translation>
    </message>
    <message>
        <source>Find ˄</source>
        <translation>ابحث ˄</translation>
    </message>
    <message>
        <source>Find Next (Enter)</source>
        <translation>ابحث عن التالي (Enter)</translation>
    </message>
    <message>
        <source>Find ˅</source>
        <translation>ابحث ˅</translation>
    </message>
    <message>
        <source>Find All</source>
        <translation>ابحث عن الكل</translation>
    </message>
    <message>
        <source>Match...</source>
        <translation>المطابقة...</translation>
    </message>
    <message>
        <source>Replace ˄</source>
        <translation>استبدل ˄</translation>
    </message>
    <message>
        <source>Replace ˅</source>
        <translation>استبدل ˅</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>استبدل الكل</translation>
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
        <translation>مستند جديد</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>افتح...</translation>
    </message>
    <message>
        <source>Save As UTF-8...</source>
        <translation>احفظ باسم بترميز UTF-8...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>اخرج</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>أعد التحميل</translation>
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
        <translation>الصفحة الرئيسية: %1</translation>
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
        <translation>لم يُعثر على الملف «%1».</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is too large to open.</source>
        <translation>الملف «%1» كبير جدًا ولا يمكن فتحه.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be read.</source>
        <translation>لم يُقرأ سوى %1 من أصل %2 بايت.</translation>
    </message>
    <message>
        <source>Unable to open &apos;%1&apos;.</source>
        <translation>تعذّر فتح «%1».</translation>
    </message>
    <message>
        <source>Text (*.txt);;All Files (*.*)</source>
        <translation>ملفات نصية (*.txt);;كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>You are trying to save a file in UTF-8 which its previous encoding was &apos;%1&apos;.&lt;br&gt;&lt;br&gt;Proceed?</source>
        <translation>أنت على وشك حفظ الملف بترميز UTF-8، وكان ترميزه السابق «%1».&lt;br&gt;&lt;br&gt;هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Unable to save &apos;%1&apos;.</source>
        <translation>تعذّر حفظ «%1».</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>هذا ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>The file may be damaged. Its previous content is kept in &apos;%1&apos;.</source>
        <translation>قد يكون الملف تالفًا. محتواه السابق محفوظ في «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed by another program since Tavlo opened or saved it.

Do you want to overwrite it?</source>
        <translation>عدّل برنامج آخر «%1» بعد أن فتحه Tavlo أو حفظه.

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
        <source>Arabic Yeh, Alef Maksura and Kaf to Farsi Yeh and Keheh</source>
        <translation>الياء العربية والألف المقصورة والكاف العربية إلى الياء الفارسية والكاف الفارسية</translation>
    </message>
    <message>
        <source>Farsi Yeh and Keheh to Arabic Yeh and Kaf</source>
        <translation>الياء الفارسية والكاف الفارسية إلى الياء العربية والكاف العربية</translation>
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
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Opening &apos;%1&apos;...</source>
        <translation>جارٍ فتح «%1»...</translation>
    </message>
    <message>
        <source>The longest line of &apos;%1&apos; has %2 characters. Editing a line this long is slow.</source>
        <translation>عدد الأحرف في أطول سطر من «%1» هو %2، وتحرير سطر بهذا الطول بطيء.</translation>
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
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحر&amp;ير</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>&amp;حوّل</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;تنسيق</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عر&amp;ض</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعد&amp;ة</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;مستند جديد</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;افتح...</translation>
    </message>
    <message>
        <source>&amp;Save UTF-8</source>
        <translation>ا&amp;حفظ بترميز UTF-8</translation>
    </message>
    <message>
        <source>Save &amp;As UTF-8...</source>
        <translation>احفظ با&amp;سم بترميز UTF-8...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قصّ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;الصق</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;أعد</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>حدّ&amp;د الكل</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>حو&amp;ل Tavlo...</translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation>&amp;حول Qt...</translation>
    </message>
    <message>
        <source>&amp;Zero width non-joiner</source>
        <translation>&amp;فاصل منع الوصل (ZWNJ)</translation>
    </message>
    <message>
        <source>Rig&amp;ht-to-left mark</source>
        <translation>علامة &amp;من اليمين إلى اليسار (RLM)</translation>
    </message>
    <message>
        <source>&amp;Left-to-right mark</source>
        <translation>علامة من اليسار &amp;إلى اليمين (LRM)</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;أعد التحميل</translation>
    </message>
    <message>
        <source>Show &amp;Full Address in Title Bar</source>
        <translation>&amp;إظهار المسار الكامل في شريط العنوان</translation>
    </message>
    <message>
        <source>&amp;Wrapped - Auto</source>
        <translation>التفا&amp;ف الأسطر - اتجاه تلقائي</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>ا&amp;لخط...</translation>
    </message>
    <message>
        <source>No Wrap - &amp;Left-to-Right</source>
        <translation>&amp;دون التفاف الأسطر - من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>No Wrap - &amp;Right-to-Left</source>
        <translation>دون التفاف الأسطر - من اليمين &amp;إلى اليسار</translation>
    </message>
    <message>
        <source>&amp;Date-Time</source>
        <translation>التا&amp;ريخ والوقت</translation>
    </message>
    <message>
        <source>Check for &amp;updates...</source>
        <translation>تحقّق من &amp;وجود تحديثات...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>ابحث &amp;عن التالي</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>ابحث عن ا&amp;لسابق</translation>
    </message>
    <message>
        <source>File &amp;Information...</source>
        <translation>معلومات ا&amp;لملف...</translation>
    </message>
    <message>
        <source>To &amp;Persian Letters</source>
        <translation>إلى الحر&amp;وف الفارسية</translation>
    </message>
    <message>
        <source>To &amp;Arabic Letters</source>
        <translation>&amp;إلى الحروف العربية</translation>
    </message>
    <message>
        <source>Persian &amp;Digits</source>
        <translation>إلى الأ&amp;رقام الفارسية</translation>
    </message>
    <message>
        <source>Arabic-&amp;Indic Digits</source>
        <translation>إلى الأرقا&amp;م العربية الهندية</translation>
    </message>
    <message>
        <source>&amp;Latin Digits</source>
        <translation>إلى الأرقام ا&amp;للاتينية</translation>
    </message>
    <message>
        <source>Final &amp;Yeh as Alef Maksura</source>
        <translation>كتابة الياء الأخيرة &amp;ألفًا مقصورة</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ا&amp;للغة</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>لغة النظا&amp;م</translation>
    </message>
    <message>
        <source>(&amp;Clear Recent Files List)</source>
        <translation>(امسح قائمة الملفا&amp;ت الأخيرة)</translation>
    </message>
    <message>
        <source>Tavlo opens files of up to %1 lines.</source>
        <translation>يفتح Tavlo الملفات التي لا يتجاوز عدد أسطرها %1.</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8, so Tavlo could reach another file by it.</source>
        <translation>الاسم ليس نصًا صالحًا بترميز UTF-8، لذا قد يصل Tavlo من خلاله إلى ملف آخر.</translation>
    </message>
    <message>
        <source>Before it writes the file in place, Tavlo keeps a copy of the old content in &apos;%1&apos;, and could not: %2</source>
        <translation>قبل أن يكتب Tavlo الملف في مكانه، يحتفظ بنسخة من محتواه السابق في «%1»، وتعذّر عليه ذلك: %2</translation>
    </message>
    <message>
        <source>Tidy Persian Te&amp;xt...</source>
        <translation>&amp;نقّح النص الفارسي...</translation>
    </message>
    <message>
        <source>Letters, digits, punctuation, quotes, spaces and zero width non-joiners, with a preview</source>
        <translation>الحروف والأرقام وعلامات الترقيم والتنصيص والمسافات وفواصل منع الوصل، مع معاينة</translation>
    </message>
    <message>
        <source>Nothing to tidy.</source>
        <translation>لا يوجد ما يحتاج إلى تنقيح.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes.</source>
        <translation>
            <numerusform>لا توجد تغييرات.</numerusform>
            <numerusform>تغيير واحد.</numerusform>
            <numerusform>تغييران.</numerusform>
            <numerusform>%Ln تغييرات.</numerusform>
            <numerusform>%Ln تغييرًا.</numerusform>
            <numerusform>%Ln تغيير.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation>ا&amp;لتدقيق الإملائي</translation>
    </message>
    <message>
        <source>Persian is not checked: no dictionary is installed</source>
        <translation>لا تُدقَّق الفارسية: لا يوجد قاموس مثبّت</translation>
    </message>
    <message>
        <source>Arabic is not checked: no dictionary is installed</source>
        <translation>لا تُدقَّق العربية: لا يوجد قاموس مثبّت</translation>
    </message>
    <message>
        <source>English is not checked: no dictionary is installed</source>
        <translation>لا تُدقَّق الإنجليزية: لا يوجد قاموس مثبّت</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>ا&amp;طبع...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;عاين قبل الطباعة...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>صدّ&amp;ر بصيغة PDF...</translation>
    </message>
    <message>
        <source>Date-Time (&amp;Solar Hijri)</source>
        <translation>التاريخ والوقت (هجري &amp;شمسي)</translation>
    </message>
    <message>
        <source>Date-Time (Hi&amp;jri)</source>
        <translation>التاريخ والوقت (&amp;هجري)</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>انتقل إلى &amp;سطر...</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;شريط الحالة</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;كبّر</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;صغّر</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;أعد الحجم الأصلي</translation>
    </message>
    <message>
        <source>Show In&amp;visible Characters</source>
        <translation>إظهار المحارف &amp;غير المرئية</translation>
    </message>
    <message>
        <source>Visual &amp;Cursor Movement</source>
        <translation>&amp;حركة المؤشر بالترتيب المرئي</translation>
    </message>
    <message>
        <source>Recovering &apos;%1&apos;...</source>
        <translation>جارٍ استعادة «%1»...</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two shortcuts of one command</comment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ا&amp;خرج</translation>
    </message>
    <message>
        <source>&amp;Find and Replace...</source>
        <translation>ابحث &amp;واستبدل...</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>جارٍ التحويل...</translation>
    </message>
    <message>
        <source>Saving &apos;%1&apos;...</source>
        <translation>جارٍ حفظ «%1»...</translation>
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
    <message>
        <source>Tidy Persian Text</source>
        <translation>تنقيح النص الفارسي</translation>
    </message>
    <message>
        <source>Tidying...</source>
        <translation>جارٍ التنقيح...</translation>
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
        <translation>انتقل إلى %1 لتنزيله!</translation>
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
        <source># Error.</source>
        <translation># خطأ.</translation>
    </message>
    <message>
        <source># The preview is shortened. OK opens the whole file.</source>
        <translation># المعاينة مختصرة. «حسنًا» يفتح الملف كاملًا.</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>أوروبا الوسطى</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>السيريلية</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>أوروبا الغربية</translation>
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
        <translation>ا&amp;لمقترح: %1</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;حدّد الكلّ</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>خطوة لأ&amp;على</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>خطوة لأ&amp;سفل</translation>
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
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;أعد</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قصّ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;الصق</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;أعد</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قصّ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;الصق</translation>
    </message>
</context>
<context>
    <name>RecoveryPrompt</name>
    <message>
        <source>Recover</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>A recovery journal could not be read. Its bytes are kept in &apos;%1&apos;.</source>
        <translation>تعذّرت قراءة أحد سجلات الاستعادة. محتواه محفوظ كما هو في «%1».</translation>
    </message>
    <message>
        <source>Tavlo was closed without saving the changes to an untitled document. Recover them?</source>
        <translation>أُغلق Tavlo دون حفظ التغييرات في مستند بلا عنوان. هل تريد استعادتها؟</translation>
    </message>
    <message>
        <source>Tavlo was closed without saving the changes to &apos;%1&apos;. Recover them?</source>
        <translation>أُغلق Tavlo دون حفظ التغييرات في «%1». هل تريد استعادتها؟</translation>
    </message>
    <message>
        <source>Part of what Tavlo kept could not be read back: the text is what could be rebuilt. The journal&apos;s bytes are kept in &apos;%1&apos;.</source>
        <translation>تعذّرت قراءة جزء مما احتفظ به Tavlo: النص هو ما أمكن إعادة بنائه. محتوى سجل الاستعادة محفوظ كما هو في «%1».</translation>
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
    <name>TidyDialog</name>
    <message>
        <source>Tidy Persian Text</source>
        <translation>تنقيح النص الفارسي</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>القواعد</translation>
    </message>
    <message>
        <source>&amp;Letters: Persian Yeh and Kaf, no presentation forms</source>
        <translation>&amp;حروف: الياء والكاف الفارسيتان، دون أشكال العرض</translation>
    </message>
    <message>
        <source>&amp;Kashida removed between letters</source>
        <translation>&amp;كشيدة: تُحذف من بين الحروف</translation>
    </message>
    <message>
        <source>&amp;Digits in Persian text as Persian digits</source>
        <translation>أ&amp;رقام النص الفارسي بالأرقام الفارسية</translation>
    </message>
    <message>
        <source>&amp;Ellipsis: three dots as one character</source>
        <translation>&amp;ثلاث نقاط: تصبح محرفًا واحدًا</translation>
    </message>
    <message>
        <source>&amp;Punctuation: Persian marks, and the spaces around marks</source>
        <translation>&amp;ترقيم: العلامات الفارسية والمسافات حول العلامات</translation>
    </message>
    <message>
        <source>&amp;Quotes: « » for straight quotes around Persian text</source>
        <translation>&amp;علامات التنصيص: « » بدل العلامات المستقيمة حول النص الفارسي</translation>
    </message>
    <message>
        <source>P&amp;refixes: می and نمی joined with a zero width non-joiner</source>
        <translation>&amp;سوابق: «می» و«نمی» تُلحقان بكلمتهما بفاصل منع الوصل</translation>
    </message>
    <message>
        <source>&amp;Suffixes: ها، های، هایی، ترین، تری joined to their word</source>
        <translation>&amp;لواحق: ها، های، هایی، ترین، تری تُوصل بكلمتها</translation>
    </message>
    <message>
        <source>Spaces and &amp;zero width non-joiners</source>
        <translation>&amp;مسافات وفواصل منع الوصل</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>السطر</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>قبل</translation>
    </message>
    <message>
        <source>After</source>
        <translation>بعد</translation>
    </message>
    <message>
        <source>Looking for changes...</source>
        <translation>جارٍ البحث عن التغييرات...</translation>
    </message>
    <message>
        <source>Nothing to tidy.</source>
        <translation>لا يوجد ما يحتاج إلى تنقيح.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes.</source>
        <translation>
            <numerusform>لا توجد تغييرات.</numerusform>
            <numerusform>تغيير واحد.</numerusform>
            <numerusform>تغييران.</numerusform>
            <numerusform>%Ln تغييرات.</numerusform>
            <numerusform>%Ln تغييرًا.</numerusform>
            <numerusform>%Ln تغيير.</numerusform>
        </translation>
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
        <translation>التمييز بين أشكال الألف والهمزة والياء والكاف</translation>
    </message>
</context>
</TS>
