<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>انصراف</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>صفحهٔ %1 از %2</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>پیش‌نمایش چاپ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Preparing the preview of &apos;%1&apos;...</source>
        <translation>در حال آماده‌سازی پیش‌نمایش «%1»...</translation>
    </message>
    <message>
        <source>Printing &apos;%1&apos;...</source>
        <translation>در حال چاپ «%1»...</translation>
    </message>
    <message>
        <source>Unable to print &apos;%1&apos;.</source>
        <translation>نمی‌توان «%1» را چاپ کرد.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>برون‌بری به PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exporting &apos;%1&apos;...</source>
        <translation>در حال برون‌بری «%1»...</translation>
    </message>
    <message>
        <source>Unable to export &apos;%1&apos;.</source>
        <translation>نمی‌توان «%1» را برون‌بری کرد.</translation>
    </message>
</context>
<context>
    <name>DocumentStatus</name>
    <message>
        <source>Ln %1, Col %2</source>
        <translation>سطر %1، ستون %2</translation>
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
            <numerusform>%1 نویسه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 words</source>
        <translation>
            <numerusform>%1 واژه</numerusform>
        </translation>
    </message>
    <message>
        <source>Counting words...</source>
        <translation>در حال شمارش واژه‌ها...</translation>
    </message>
    <message numerus="yes">
        <source>%1 characters</source>
        <translation>
            <numerusform>%1 نویسه</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileInfo</name>
    <message>
        <source>File Information</source>
        <translation>اطلاعات پرونده</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>نشانی:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>نام پرونده:</translation>
    </message>
    <message>
        <source>Copy Full Address</source>
        <translation>کپی نشانی کامل</translation>
    </message>
    <message>
        <source>Document Length: %1</source>
        <translation>طول سند: %1</translation>
    </message>
    <message>
        <source>Position: %1</source>
        <translation>موقعیت: %1</translation>
    </message>
    <message>
        <source>Position: %1 to %2 (Selection Length: %3)</source>
        <translation>موقعیت: %1 تا %2 (طول انتخاب: %3)</translation>
    </message>
    <message>
        <source>(Untitled)</source>
        <translation>(بی‌نام)</translation>
    </message>
</context>
<context>
    <name>GoToLine</name>
    <message>
        <source>Go to Line</source>
        <translation>رفتن به سطر</translation>
    </message>
    <message>
        <source>&amp;Line number:</source>
        <translation>شمارهٔ &amp;سطر:</translation>
    </message>
    <message>
        <source>&amp;Line number (%1 to %2):</source>
        <translation>شمارهٔ &amp;سطر (%1 تا %2):</translation>
    </message>
</context>
<context>
    <name>InlineSpellCheck</name>
    <message>
        <source>No Suggestions</source>
        <translation>پیشنهادی نیست</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;افزودن به واژه‌نامه</translation>
    </message>
    <message>
        <source>&amp;Ignore All</source>
        <translation>نادید&amp;ه گرفتن همه</translation>
    </message>
</context>
<context>
    <name>JournalKeeper</name>
    <message>
        <source>Recovery</source>
        <translation>بازیابی</translation>
    </message>
    <message>
        <source>Recovery is off: Tavlo cannot keep its recovery journal in &apos;%1&apos;. Changes not yet saved will be lost if Tavlo or the computer stops.</source>
        <translation>بازیابی غیرفعال است: Tavlo نمی‌تواند پروندهٔ بازیابی‌اش را در «%1» نگه دارد. اگر Tavlo یا رایانه از کار بیفتد، تغییراتی که هنوز ذخیره نشده‌اند از دست می‌روند.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Main Toolbar</source>
        <translation>نوار ابزار اصلی</translation>
    </message>
    <message>
        <source>Edit Toolbar</source>
        <translation>نوار ابزار ویرایش</translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation>جست‌وجو و جایگزینی</translation>
    </message>
    <message>
        <source>Find Previous (Shift+Enter)</source>
        <translation>جست‌وجوی قبلی (شیفت+Enter)</translation>
    </message>
    <message>
        <source>Find ˄</source>
        <translation>جست‌وجو ˄</translation>
    </message>
    <message>
        <source>Find Next (Enter)</source>
        <translation>جست‌وجوی بعدی (Enter)</translation>
    </message>
    <message>
        <source>Find ˅</source>
        <translation>جست‌وجو ˅</translation>
    </message>
    <message>
        <source>Find All</source>
        <translation>جست‌وجوی همه</translation>
    </message>
    <message>
        <source>Match...</source>
        <translation>تطبیق...</translation>
    </message>
    <message>
        <source>Replace ˄</source>
        <translation>جایگزینی ˄</translation>
    </message>
    <message>
        <source>Replace ˅</source>
        <translation>جایگزینی ˅</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>جایگزینی همه</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>عبارت جست‌وجو:</translation>
    </message>
    <message>
        <source>Press Ctrl+Enter or Alt+Enter to make a new line.</source>
        <translation>برای درج سطر جدید، کنترل+Enter یا دگرساز+Enter را بزنید.</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>جایگزینی با:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جدید</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>باز کردن...</translation>
    </message>
    <message>
        <source>Save As UTF-8...</source>
        <translation>ذخیره با نام دیگر (UTF-8)...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>بارگذاری دوباره</translation>
    </message>
    <message>
        <source>the Tavlo developers</source>
        <translation>توسعه‌دهندگان Tavlo</translation>
    </message>
    <message>
        <source>Tango Icon Library</source>
        <translation>کتابخانهٔ نمادهای Tango</translation>
    </message>
    <message>
        <source>Tavlo ver %1 build %2</source>
        <translation>ویرایشگر Tavlo، نسخهٔ %1، ساخت %2</translation>
    </message>
    <message>
        <source>Tavlo is a simple and useful plain text program for bidirectional texts:</source>
        <translation>برنامهٔ Tavlo ابزاری ساده و کاربردی برای ویرایش متن خام دوسویه است:</translation>
    </message>
    <message>
        <source>Start your paragraph with a Right-to-left mark to make it right-aligned!</source>
        <translation>پاراگراف خود را با نشانهٔ راست‌به‌چپ آغاز کنید تا راست‌چین شود!</translation>
    </message>
    <message>
        <source>Created by %1</source>
        <translation>ساختهٔ %1</translation>
    </message>
    <message>
        <source>Some icons provided from %1</source>
        <translation>برخی از نمادها برگرفته از %1</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>صفحهٔ خانگی: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>دربارهٔ Tavlo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بی‌نام</translation>
    </message>
    <message>
        <source>%1 - Tavlo</source>
        <translation>%1 - Tavlo</translation>
    </message>
    <message>
        <source>File has unsaved changes. Continue?</source>
        <translation>این پرونده تغییرات ذخیره‌نشده دارد. می‌خواهید ادامه دهید؟</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; was not found.</source>
        <translation>پروندهٔ «%1» پیدا نشد.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is too large to open.</source>
        <translation>پروندهٔ «%1» بزرگ‌تر از آن است که باز شود.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be read.</source>
        <translation>تنها %1 از %2 بایت خوانده شد.</translation>
    </message>
    <message>
        <source>Unable to open &apos;%1&apos;.</source>
        <translation>نمی‌توان «%1» را باز کرد.</translation>
    </message>
    <message>
        <source>Text (*.txt);;All Files (*.*)</source>
        <translation>پرونده‌های متنی (*.txt);;همهٔ پرونده‌ها (*.*)</translation>
    </message>
    <message>
        <source>You are trying to save a file in UTF-8 which its previous encoding was &apos;%1&apos;.&lt;br&gt;&lt;br&gt;Proceed?</source>
        <translation>کدگذاری پیشین این پرونده «%1» بوده است و اکنون با UTF-8 ذخیره می‌شود.&lt;br&gt;&lt;br&gt;می‌خواهید ادامه دهید؟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Unable to save &apos;%1&apos;.</source>
        <translation>نمی‌توان «%1» را ذخیره کرد.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>این یک پروندهٔ معمولی نیست.</translation>
    </message>
    <message>
        <source>The file may be damaged. Its previous content is kept in &apos;%1&apos;.</source>
        <translation>ممکن است پرونده آسیب دیده باشد. محتوای پیشین آن در «%1» نگه داشته شده است.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed by another program since Tavlo opened or saved it.

Do you want to overwrite it?</source>
        <translation>پروندهٔ «%1» پس از آنکه Tavlo آن را باز یا ذخیره کرد، در برنامهٔ دیگری تغییر کرده است.

می‌خواهید آن را بازنویسی کنید؟</translation>
    </message>
    <message>
        <source>Keep current file</source>
        <translation>نگه داشتن پروندهٔ کنونی</translation>
    </message>
    <message>
        <source>Current file doesn&apos;t exist anymore.

Do you want to keep Tavlo open?</source>
        <translation>پروندهٔ کنونی دیگر وجود ندارد.

می‌خواهید Tavlo باز بماند؟</translation>
    </message>
    <message>
        <source>Current file was changed by another program.

Do you want to reload it and lose the changes made in Tavlo?</source>
        <translation>پروندهٔ کنونی در برنامهٔ دیگری تغییر کرده است.

می‌خواهید آن را دوباره بارگذاری کنید و تغییراتی را که در Tavlo داده‌اید از دست بدهید؟</translation>
    </message>
    <message>
        <source>Current file was changed by another program.
Do you want to reload it?</source>
        <translation>پروندهٔ کنونی در برنامهٔ دیگری تغییر کرده است.
می‌خواهید آن را دوباره بارگذاری کنید؟</translation>
    </message>
    <message>
        <source>Tavlo has finished searching the document.</source>
        <translation>جست‌وجو در سند به پایان رسید.</translation>
    </message>
    <message numerus="yes">
        <source>%n matches replaced successfully.</source>
        <translation>
            <numerusform>%Ln مورد با موفقیت جایگزین شد.</numerusform>
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
        <translation>سرور در زمان مقرر پاسخ نداد.</translation>
    </message>
    <message>
        <source>Internet Error</source>
        <translation>خطای اینترنت</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>به‌روزرسانی</translation>
    </message>
    <message>
        <source>Your Tavlo is up-to-date!&lt;br&gt;Current version: %1 build %2</source>
        <translation>نسخهٔ Tavlo شما به‌روز است!&lt;br&gt;نسخهٔ کنونی: %1، ساخت %2</translation>
    </message>
    <message>
        <source>Unknown server error</source>
        <translation>خطای ناشناختهٔ سرور</translation>
    </message>
    <message>
        <source>Arabic Yeh, Alef Maksura and Kaf to Farsi Yeh and Keheh</source>
        <translation>تبدیل یای عربی، الف مقصوره و کاف عربی به یای فارسی و کاف فارسی</translation>
    </message>
    <message>
        <source>Farsi Yeh and Keheh to Arabic Yeh and Kaf</source>
        <translation>تبدیل یای فارسی و کاف فارسی به یای عربی و کاف عربی</translation>
    </message>
    <message>
        <source>To Arabic Letters writes a Farsi Yeh that ends a word as Alef Maksura</source>
        <translation>فرمان «به حروف عربی» یای فارسی پایان واژه را به شکل الف مقصوره می‌نویسد</translation>
    </message>
    <message>
        <source>Nothing to convert.</source>
        <translation>چیزی برای تبدیل نیست.</translation>
    </message>
    <message numerus="yes">
        <source>%n digits converted.</source>
        <translation>
            <numerusform>%Ln رقم تبدیل شد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters converted.</source>
        <translation>
            <numerusform>%Ln حرف تبدیل شد.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tavlo opens files of up to %1 MB.</source>
        <translation>بیشترین حجم پرونده‌ای که Tavlo باز می‌کند %1 مگابایت است.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>انصراف</translation>
    </message>
    <message>
        <source>Opening &apos;%1&apos;...</source>
        <translation>در حال باز کردن «%1»...</translation>
    </message>
    <message>
        <source>The longest line of &apos;%1&apos; has %2 characters. Editing a line this long is slow.</source>
        <translation>بلندترین سطر پروندهٔ «%1» %2 نویسه دارد. ویرایش سطری به این بلندی کند است.</translation>
    </message>
    <message>
        <source>Tavlo can open the file only with its lines broken.</source>
        <translation>این پرونده را تنها با شکستن سطرهایش می‌توان در Tavlo باز کرد.</translation>
    </message>
    <message>
        <source>Break the lines at %1 characters? The document then counts as changed, and saving writes the broken lines.</source>
        <translation>می‌خواهید سطرها پس از هر %1 نویسه شکسته شوند؟ در این صورت سند تغییریافته به شمار می‌آید و با ذخیره، سطرهای شکسته نوشته می‌شوند.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>پروند&amp;ه</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;ویرایش</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>&amp;تبدیل</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;قالب</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;نما</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;راهنما</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جدید</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>با&amp;ز کردن...</translation>
    </message>
    <message>
        <source>&amp;Save UTF-8</source>
        <translation>&amp;ذخیره (UTF-8)</translation>
    </message>
    <message>
        <source>Save &amp;As UTF-8...</source>
        <translation>ذخیره با نام &amp;دیگر (UTF-8)...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>بر&amp;ش</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;کپی</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>چسباند&amp;ن</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>وا&amp;گرد</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>انجام &amp;دوباره</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;انتخاب همه</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;دربارهٔ Tavlo...</translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation>د&amp;ربارهٔ Qt...</translation>
    </message>
    <message>
        <source>&amp;Zero width non-joiner</source>
        <translation>نیم‌&amp;فاصله</translation>
    </message>
    <message>
        <source>Rig&amp;ht-to-left mark</source>
        <translation>نشانهٔ &amp;راست‌به‌چپ</translation>
    </message>
    <message>
        <source>&amp;Left-to-right mark</source>
        <translation>نشانهٔ &amp;چپ‌به‌راست</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>با&amp;رگذاری دوباره</translation>
    </message>
    <message>
        <source>Show &amp;Full Address in Title Bar</source>
        <translation>نمایش نشانی کامل &amp;در نوار عنوان</translation>
    </message>
    <message>
        <source>&amp;Wrapped - Auto</source>
        <translation>با شکستن خط - جهت خو&amp;دکار</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;قلم...</translation>
    </message>
    <message>
        <source>No Wrap - &amp;Left-to-Right</source>
        <translation>بد&amp;ون شکستن خط - چپ‌به‌راست</translation>
    </message>
    <message>
        <source>No Wrap - &amp;Right-to-Left</source>
        <translation>بدون شکستن خط - &amp;راست‌به‌چپ</translation>
    </message>
    <message>
        <source>&amp;Date-Time</source>
        <translation>تاریخ و سا&amp;عت</translation>
    </message>
    <message>
        <source>Check for &amp;updates...</source>
        <translation>بررسی به‌ر&amp;وزرسانی‌ها...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>جست‌&amp;وجوی بعدی</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>جست‌وجو&amp;ی قبلی</translation>
    </message>
    <message>
        <source>File &amp;Information...</source>
        <translation>&amp;اطلاعات پرونده...</translation>
    </message>
    <message>
        <source>To &amp;Persian Letters</source>
        <translation>به حرو&amp;ف فارسی</translation>
    </message>
    <message>
        <source>To &amp;Arabic Letters</source>
        <translation>به حر&amp;وف عربی</translation>
    </message>
    <message>
        <source>Persian &amp;Digits</source>
        <translation>به ارقا&amp;م فارسی (۰۱۲۳)</translation>
    </message>
    <message>
        <source>Arabic-&amp;Indic Digits</source>
        <translation>به ارقام &amp;عربی (٠١٢٣)</translation>
    </message>
    <message>
        <source>&amp;Latin Digits</source>
        <translation>به ا&amp;رقام لاتین (0123)</translation>
    </message>
    <message>
        <source>Final &amp;Yeh as Alef Maksura</source>
        <translation>یا&amp;ی پایانی به شکل الف مقصوره</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;زبان</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>پیش‌فر&amp;ض سیستم</translation>
    </message>
    <message>
        <source>(&amp;Clear Recent Files List)</source>
        <translation>(پا&amp;ک کردن فهرست پرونده‌های اخیر)</translation>
    </message>
    <message>
        <source>Tavlo opens files of up to %1 lines.</source>
        <translation>بیشترین تعداد سطرهای پرونده‌ای که Tavlo باز می‌کند %1 است.</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8, so Tavlo could reach another file by it.</source>
        <translation>این نام در UTF-8 معتبر نیست و ممکن است Tavlo با آن به پرونده‌ای دیگر برسد.</translation>
    </message>
    <message>
        <source>Before it writes the file in place, Tavlo keeps a copy of the old content in &apos;%1&apos;, and could not: %2</source>
        <translation>پیش از آنکه Tavlo پرونده را در جای خودش بنویسد، نسخه‌ای از محتوای پیشین را در «%1» نگه می‌دارد و این کار ممکن نشد: %2</translation>
    </message>
    <message>
        <source>Tidy Persian Te&amp;xt...</source>
        <translation>پیر&amp;ایش متن فارسی...</translation>
    </message>
    <message>
        <source>Letters, digits, punctuation, quotes, spaces and zero width non-joiners, with a preview</source>
        <translation>حروف، ارقام، نشانه‌گذاری، گیومه‌ها، فاصله‌ها و نیم‌فاصله‌ها، با پیش‌نمایش</translation>
    </message>
    <message>
        <source>Nothing to tidy.</source>
        <translation>چیزی برای پیرایش نیست.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes.</source>
        <translation>
            <numerusform>%Ln تغییر.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;ابزارها</translation>
    </message>
    <message>
        <source>Check &amp;Spelling</source>
        <translation>بررسی &amp;املا</translation>
    </message>
    <message>
        <source>Persian is not checked: no dictionary is installed</source>
        <translation>فارسی بررسی نمی‌شود: واژه‌نامه‌ای نصب نیست</translation>
    </message>
    <message>
        <source>Arabic is not checked: no dictionary is installed</source>
        <translation>عربی بررسی نمی‌شود: واژه‌نامه‌ای نصب نیست</translation>
    </message>
    <message>
        <source>English is not checked: no dictionary is installed</source>
        <translation>انگلیسی بررسی نمی‌شود: واژه‌نامه‌ای نصب نیست</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;چاپ...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>پیش‌&amp;نمایش چاپ...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>برون‌بر&amp;ی به PDF...</translation>
    </message>
    <message>
        <source>Date-Time (&amp;Solar Hijri)</source>
        <translation>تاریخ و ساعت (&amp;هجری شمسی)</translation>
    </message>
    <message>
        <source>Date-Time (Hi&amp;jri)</source>
        <translation>تاریخ و ساعت (هجری &amp;قمری)</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>رفتن به &amp;سطر...</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;نوار وضعیت</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>بز&amp;رگ‌نمایی</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;کوچک‌نمایی</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>اندازهٔ &amp;عادی</translation>
    </message>
    <message>
        <source>Show In&amp;visible Characters</source>
        <translation>نمایش نویسه‌&amp;های پنهان</translation>
    </message>
    <message>
        <source>Visual &amp;Cursor Movement</source>
        <translation>&amp;جابه‌جایی دیداری مکان‌نما</translation>
    </message>
    <message>
        <source>Recovering &apos;%1&apos;...</source>
        <translation>در حال بازیابی «%1»...</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>بازیابی</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two shortcuts of one command</comment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خر&amp;وج</translation>
    </message>
    <message>
        <source>&amp;Find and Replace...</source>
        <translation>&amp;جست‌وجو و جایگزینی...</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تبدیل</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>در حال تبدیل...</translation>
    </message>
    <message>
        <source>Saving &apos;%1&apos;...</source>
        <translation>در حال ذخیرهٔ «%1»...</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>جست‌وجو</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>در حال جست‌وجو...</translation>
    </message>
    <message>
        <source>Replacing...</source>
        <translation>در حال جایگزینی...</translation>
    </message>
    <message>
        <source>Each key typed in it would take about %1 ms.</source>
        <translation>زدن هر کلید در آن حدود %1 میلی‌ثانیه طول می‌کشد.</translation>
    </message>
    <message>
        <source>A line of %1 characters was pasted or typed. Editing a line this long is slow.</source>
        <translation>سطری با %1 نویسه چسبانده یا تایپ شد. ویرایش سطری به این بلندی کند است.</translation>
    </message>
    <message>
        <source>Long line</source>
        <translation>سطر بلند</translation>
    </message>
    <message>
        <source>Tavlo can keep it only with its lines broken.</source>
        <translation>این سطر را تنها با شکستن آن می‌توان در Tavlo نگه داشت.</translation>
    </message>
    <message>
        <source>Breaking lines...</source>
        <translation>در حال شکستن سطرها...</translation>
    </message>
    <message>
        <source>Tidy Persian Text</source>
        <translation>پیرایش متن فارسی</translation>
    </message>
    <message>
        <source>Tidying...</source>
        <translation>در حال پیرایش...</translation>
    </message>
</context>
<context>
    <name>MatchHighlights</name>
    <message>
        <source>No matches</source>
        <translation>موردی یافت نشد</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 از %2</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%Ln مورد</numerusform>
        </translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>در حال شمارش...</translation>
    </message>
</context>
<context>
    <name>NewVer</name>
    <message>
        <source>New Version</source>
        <translation>نسخهٔ جدید</translation>
    </message>
    <message>
        <source>Latest Changes:</source>
        <translation>آخرین تغییرات:</translation>
    </message>
    <message>
        <source>Remind me for:</source>
        <translation>یادآوری پس از:</translation>
    </message>
    <message>
        <source>Download now!</source>
        <translation>بارگیری</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>۱ روز</translation>
    </message>
    <message>
        <source>3 Days</source>
        <translation>۳ روز</translation>
    </message>
    <message>
        <source>1 Week</source>
        <translation>۱ هفته</translation>
    </message>
    <message>
        <source>1 Month</source>
        <translation>۱ ماه</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>نسخهٔ جدیدی منتشر شده است!</translation>
    </message>
    <message>
        <source>Your Version: %1 Build %2</source>
        <translation>نسخهٔ شما: %1، ساخت %2</translation>
    </message>
    <message>
        <source>Go to %1 to download!</source>
        <translation>برای بارگیری به %1 بروید!</translation>
    </message>
</context>
<context>
    <name>OpenDialog</name>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Select an encoding.</source>
        <translation>یک کدگذاری انتخاب کنید.</translation>
    </message>
    <message>
        <source># Error.</source>
        <translation># خطا.</translation>
    </message>
    <message>
        <source># The preview is shortened. OK opens the whole file.</source>
        <translation># پیش‌نمایش کوتاه شده است. «تأیید» همهٔ پرونده را باز می‌کند.</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>اروپای مرکزی</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>سیریلیک</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>اروپای غربی</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>یونانی</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>ترکی</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>عبری</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>عربی</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>بالتیک</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ویتنامی</translation>
    </message>
    <message>
        <source>&amp;Suggested: %1</source>
        <translation>پیشنها&amp;د: %1</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>انتخا&amp;ب همه</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;افزایش</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>کا&amp;هش</translation>
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
        <translation>وا&amp;گرد</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>انجام &amp;دوباره</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>بر&amp;ش</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;کپی</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>چسباند&amp;ن</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>وا&amp;گرد</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>انجام &amp;دوباره</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>بر&amp;ش</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;کپی</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>چسباند&amp;ن</translation>
    </message>
</context>
<context>
    <name>RecoveryPrompt</name>
    <message>
        <source>Recover</source>
        <translation>بازیابی</translation>
    </message>
    <message>
        <source>A recovery journal could not be read. Its bytes are kept in &apos;%1&apos;.</source>
        <translation>یک پروندهٔ بازیابی خوانده نشد. بایت‌های آن در «%1» نگه داشته شده است.</translation>
    </message>
    <message>
        <source>Tavlo was closed without saving the changes to an untitled document. Recover them?</source>
        <translation>برنامهٔ Tavlo بسته شد و تغییرات یک سند بی‌نام ذخیره نشد. آن‌ها را بازیابی می‌کنید؟</translation>
    </message>
    <message>
        <source>Tavlo was closed without saving the changes to &apos;%1&apos;. Recover them?</source>
        <translation>برنامهٔ Tavlo بسته شد و تغییرات «%1» ذخیره نشد. آن‌ها را بازیابی می‌کنید؟</translation>
    </message>
    <message>
        <source>Part of what Tavlo kept could not be read back: the text is what could be rebuilt. The journal&apos;s bytes are kept in &apos;%1&apos;.</source>
        <translation>بخشی از آنچه Tavlo نگه داشته بود خوانده نشد: این متن همان است که می‌شد بازسازی کرد. بایت‌های پروندهٔ بازیابی در «%1» نگه داشته شده است.</translation>
    </message>
</context>
<context>
    <name>TextEditor</name>
    <message>
        <source>Copy</source>
        <translation>کپی</translation>
    </message>
    <message>
        <source>Copying...</source>
        <translation>در حال کپی...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>در حال حذف...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>چسباندن</translation>
    </message>
    <message>
        <source>Pasting...</source>
        <translation>در حال چسباندن...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>واگرد</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>انجام دوباره</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>در حال واگرد...</translation>
    </message>
    <message>
        <source>Redoing...</source>
        <translation>در حال انجام دوباره...</translation>
    </message>
</context>
<context>
    <name>TidyDialog</name>
    <message>
        <source>Tidy Persian Text</source>
        <translation>پیرایش متن فارسی</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>قاعده‌ها</translation>
    </message>
    <message>
        <source>&amp;Letters: Persian Yeh and Kaf, no presentation forms</source>
        <translation>&amp;حروف: ی و ک فارسی، بدون شکل‌های نمایشی</translation>
    </message>
    <message>
        <source>&amp;Kashida removed between letters</source>
        <translation>&amp;کشیده میان حروف حذف شود</translation>
    </message>
    <message>
        <source>&amp;Digits in Persian text as Persian digits</source>
        <translation>&amp;ارقام: رقم‌های فارسی در متن فارسی</translation>
    </message>
    <message>
        <source>&amp;Ellipsis: three dots as one character</source>
        <translation>&amp;سه‌نقطه: سه نقطه به‌صورت یک نویسه</translation>
    </message>
    <message>
        <source>&amp;Punctuation: Persian marks, and the spaces around marks</source>
        <translation>نشانه‌گذا&amp;ری: نشانه‌های فارسی و فاصله‌های پیرامون نشانه‌ها</translation>
    </message>
    <message>
        <source>&amp;Quotes: « » for straight quotes around Persian text</source>
        <translation>&amp;گیومه: « » به‌جای نشانه‌های نقل‌قول صاف پیرامون متن فارسی</translation>
    </message>
    <message>
        <source>P&amp;refixes: می and نمی joined with a zero width non-joiner</source>
        <translation>پیشوند&amp;ها: «می» و «نمی» با نیم‌فاصله می‌چسبند</translation>
    </message>
    <message>
        <source>&amp;Suffixes: ها، های، هایی، ترین، تری joined to their word</source>
        <translation>پسو&amp;ندها: ها، های، هایی، ترین، تری به واژهٔ خود می‌چسبند</translation>
    </message>
    <message>
        <source>Spaces and &amp;zero width non-joiners</source>
        <translation>&amp;فاصله‌ها و نیم‌فاصله‌ها</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>سطر</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>پیش از پیرایش</translation>
    </message>
    <message>
        <source>After</source>
        <translation>پس از پیرایش</translation>
    </message>
    <message>
        <source>Looking for changes...</source>
        <translation>در جست‌وجوی تغییرات...</translation>
    </message>
    <message>
        <source>Nothing to tidy.</source>
        <translation>چیزی برای پیرایش نیست.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes.</source>
        <translation>
            <numerusform>%Ln تغییر.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qMatch</name>
    <message>
        <source>Match</source>
        <translation>تطبیق</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>حساس به بزرگی و کوچکی حروف</translation>
    </message>
    <message>
        <source>Match Alef Hamza YehKeh</source>
        <translation>حساس به شکل‌های الف و همزه، ی و ک</translation>
    </message>
</context>
</TS>
