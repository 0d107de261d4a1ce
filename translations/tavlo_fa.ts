<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
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
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>پرونده</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ویرایش</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>قالب</translation>
    </message>
    <message>
        <source>View</source>
        <translation>نما</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>راهنما</translation>
    </message>
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
        <translation>جست‌وجوی قبلی (Shift+Enter)</translation>
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
        <translation>برای درج خط جدید، Ctrl+Enter یا Alt+Enter را بزنید.</translation>
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
        <source>Save UTF-8</source>
        <translation>ذخیره (UTF-8)</translation>
    </message>
    <message>
        <source>Save As UTF-8...</source>
        <translation>ذخیره با نام دیگر (UTF-8)...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>برش</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>کپی</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>چسباندن</translation>
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
        <source>Exit	Alt+F4, Ctrl+W</source>
        <translation>خروج	Alt+F4, Ctrl+W</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>انتخاب همه</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>درباره‌ی Tavlo...</translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation>درباره‌ی Qt...</translation>
    </message>
    <message>
        <source>Zero width non-joiner</source>
        <translation>نیم‌فاصله</translation>
    </message>
    <message>
        <source>Right-to-left mark</source>
        <translation>نشانه‌ی راست‌به‌چپ</translation>
    </message>
    <message>
        <source>Left-to-right mark</source>
        <translation>نشانه‌ی چپ‌به‌راست</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>بارگذاری دوباره</translation>
    </message>
    <message>
        <source>Show Full Address in Title Bar</source>
        <translation>نمایش نشانی کامل در نوار عنوان</translation>
    </message>
    <message>
        <source>Wrapped - Auto</source>
        <translation>با شکستن خط - جهت خودکار</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>قلم...</translation>
    </message>
    <message>
        <source>No Wrap - Left-to-Right</source>
        <translation>بدون شکستن خط - چپ‌به‌راست</translation>
    </message>
    <message>
        <source>No Wrap - Right-to-Left</source>
        <translation>بدون شکستن خط - راست‌به‌چپ</translation>
    </message>
    <message>
        <source>Find and Replace...	Ctrl+F, Ctrl+H</source>
        <translation>جست‌وجو و جایگزینی...	Ctrl+F, Ctrl+H</translation>
    </message>
    <message>
        <source>Date-Time</source>
        <translation>تاریخ و ساعت</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>بررسی به‌روزرسانی‌ها...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>جست‌وجوی بعدی</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>جست‌وجوی قبلی</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>اطلاعات پرونده...</translation>
    </message>
    <message>
        <source>the Tavlo developers</source>
        <translation>توسعه‌دهندگان Tavlo</translation>
    </message>
    <message>
        <source>Tango Icon Library</source>
        <translation>کتابخانه‌ی نمادهای Tango</translation>
    </message>
    <message>
        <source>Tavlo ver %1 build %2</source>
        <translation>ویرایشگر Tavlo، نسخه‌ی %1، ساخت %2</translation>
    </message>
    <message>
        <source>Tavlo is a simple and useful plain text program for bidirectional texts:</source>
        <translation>برنامه‌ی Tavlo ابزاری ساده و کاربردی برای ویرایش متن خام دوسویه است:</translation>
    </message>
    <message>
        <source>Start your paragraph with a Right-to-left mark to make it right-aligned!</source>
        <translation>پاراگراف خود را با نشانه‌ی راست‌به‌چپ آغاز کنید تا راست‌چین شود!</translation>
    </message>
    <message>
        <source>Created by %1</source>
        <translation>ساخته‌ی %1</translation>
    </message>
    <message>
        <source>Some icons provided from %1</source>
        <translation>برخی از نمادها برگرفته از %1</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>صفحه‌ی خانگی: %1‎</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره‌ی Tavlo</translation>
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
        <translation>پرونده‌ی «‎%1‎» پیدا نشد.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is too large to open.</source>
        <translation>پرونده‌ی «‎%1‎» بزرگ‌تر از آن است که باز شود.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be read.</source>
        <translation>تنها %1 از %2 بایت خوانده شد.</translation>
    </message>
    <message>
        <source>Unable to open &apos;%1&apos;.</source>
        <translation>نمی‌توان «‎%1‎» را باز کرد.</translation>
    </message>
    <message>
        <source>Text (*.txt);;All Files (*.*)</source>
        <translation>متن (*.txt);;همه‌ی پرونده‌ها (*.*)</translation>
    </message>
    <message>
        <source>You are trying to save a file in UTF-8 which its previous encoding was &apos;%1&apos;.&lt;br&gt;&lt;br&gt;Proceed?</source>
        <translation>رمزگذاری پیشین این پرونده «‎%1‎» بوده است و اکنون با UTF-8 ذخیره می‌شود.&lt;br&gt;&lt;br&gt;می‌خواهید ادامه دهید؟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Unable to save &apos;%1&apos;.</source>
        <translation>نمی‌توان «‎%1‎» را ذخیره کرد.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>این یک پرونده‌ی معمولی نیست.</translation>
    </message>
    <message>
        <source>The file may be damaged. Its previous content is kept in &apos;%1&apos;.</source>
        <translation>ممکن است پرونده آسیب دیده باشد. محتوای پیشین آن در «‎%1‎» نگه داشته شده است.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed by another program since Tavlo opened or saved it.

Do you want to overwrite it?</source>
        <translation>پرونده‌ی «‎%1‎» پس از آنکه Tavlo آن را باز یا ذخیره کرد، در برنامه‌ی دیگری تغییر کرده است.

می‌خواهید آن را بازنویسی کنید؟</translation>
    </message>
    <message>
        <source>Keep current file</source>
        <translation>نگه داشتن پرونده‌ی کنونی</translation>
    </message>
    <message>
        <source>Current file doesn&apos;t exist anymore.

Do you want to keep Tavlo open?</source>
        <translation>پرونده‌ی کنونی دیگر وجود ندارد.

می‌خواهید Tavlo باز بماند؟</translation>
    </message>
    <message>
        <source>Current file was changed by another program.

Do you want to reload it and lose the changes made in Tavlo?</source>
        <translation>پرونده‌ی کنونی در برنامه‌ی دیگری تغییر کرده است.

می‌خواهید آن را دوباره بارگذاری کنید و تغییراتی را که در Tavlo داده‌اید از دست بدهید؟</translation>
    </message>
    <message>
        <source>Current file was changed by another program.
Do you want to reload it?</source>
        <translation>پرونده‌ی کنونی در برنامه‌ی دیگری تغییر کرده است.
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
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>System</source>
        <translation>پیش‌فرض سیستم</translation>
    </message>
    <message>
        <source>(Clear Recent Files List)</source>
        <translation>(پاک کردن فهرست پرونده‌های اخیر)</translation>
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
        <translation>نسخه‌ی Tavlo شما به‌روز است!&lt;br&gt;نسخه‌ی کنونی: %1، ساخت %2</translation>
    </message>
    <message>
        <source>Unknown server error</source>
        <translation>خطای ناشناخته‌ی سرور</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>تبدیل</translation>
    </message>
    <message>
        <source>To Persian Letters</source>
        <translation>به حروف فارسی</translation>
    </message>
    <message>
        <source>Arabic Yeh, Alef Maksura and Kaf to Farsi Yeh and Keheh</source>
        <translation>تبدیل یای عربی، الف مقصوره و کاف عربی به یای فارسی و کاف فارسی</translation>
    </message>
    <message>
        <source>To Arabic Letters</source>
        <translation>به حروف عربی</translation>
    </message>
    <message>
        <source>Farsi Yeh and Keheh to Arabic Yeh and Kaf</source>
        <translation>تبدیل یای فارسی و کاف فارسی به یای عربی و کاف عربی</translation>
    </message>
    <message>
        <source>Persian Digits</source>
        <translation>ارقام فارسی</translation>
    </message>
    <message>
        <source>Arabic-Indic Digits</source>
        <translation>ارقام عربی</translation>
    </message>
    <message>
        <source>Latin Digits</source>
        <translation>ارقام لاتین</translation>
    </message>
    <message>
        <source>Final Yeh as Alef Maksura</source>
        <translation>ی پایانی به شکل الف مقصوره</translation>
    </message>
    <message>
        <source>To Arabic Letters writes a Farsi Yeh that ends a word as Alef Maksura</source>
        <translation>فرمان «به حروف عربی»، یای فارسی پایان واژه را الف مقصوره می‌نویسد</translation>
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
        <translation>لغو</translation>
    </message>
    <message>
        <source>Opening &apos;%1&apos;...</source>
        <translation>در حال باز کردن «‎%1‎»...</translation>
    </message>
    <message>
        <source>The longest line of &apos;%1&apos; has %2 characters. Editing a line this long is slow.</source>
        <translation>بلندترین خط پرونده‌ی «‎%1‎» دارای %2 نویسه است. ویرایش خطی به این بلندی کند است.</translation>
    </message>
    <message>
        <source>Tavlo can open the file only with its lines broken.</source>
        <translation>این پرونده را تنها با شکستن خط‌هایش می‌توان در Tavlo باز کرد.</translation>
    </message>
    <message>
        <source>Break the lines at %1 characters? The document then counts as changed, and saving writes the broken lines.</source>
        <translation>می‌خواهید خط‌ها پس از هر %1 نویسه شکسته شوند؟ در این صورت سند تغییریافته به شمار می‌آید و با ذخیره، خط‌های شکسته نوشته می‌شوند.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>در حال تبدیل...</translation>
    </message>
    <message>
        <source>Saving &apos;%1&apos;...</source>
        <translation>در حال ذخیرهٔ «‎%1‎»...</translation>
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
        <translation>خطی با %1 نویسه چسبانده یا تایپ شد. ویرایش خطی به این بلندی کند است.</translation>
    </message>
    <message>
        <source>Long line</source>
        <translation>خط بلند</translation>
    </message>
    <message>
        <source>Tavlo can keep it only with its lines broken.</source>
        <translation>این خط را تنها با شکستن آن می‌توان در Tavlo نگه داشت.</translation>
    </message>
    <message>
        <source>Breaking lines...</source>
        <translation>در حال شکستن خط‌ها...</translation>
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
        <translation>%L1 از %L2</translation>
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
        <translation>نسخه‌ی جدید</translation>
    </message>
    <message>
        <source>Latest Changes:</source>
        <translation>آخرین تغییرات:</translation>
    </message>
    <message>
        <source>Remind me for:</source>
        <translation>یادآوری دوباره پس از:</translation>
    </message>
    <message>
        <source>Download now!</source>
        <translation>همین حالا بارگیری کنید!</translation>
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
        <translation>نسخه‌ی جدیدی منتشر شده است!</translation>
    </message>
    <message>
        <source>Your Version: %1 Build %2</source>
        <translation>نسخه‌ی شما: %1، ساخت %2</translation>
    </message>
    <message>
        <source>Go to %1 to download!</source>
        <translation>برای بارگیری به %1‎ بروید!</translation>
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
        <translation>یک رمزگذاری انتخاب کنید.</translation>
    </message>
    <message>
        <source># Converting...</source>
        <translation># در حال تبدیل...</translation>
    </message>
    <message>
        <source># Error.</source>
        <translation># خطا.</translation>
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
        <translation>&amp;پیشنهاد: %1</translation>
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
