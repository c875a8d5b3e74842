<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>AccessibleText</name>
    <message>
        <location filename="../src/common/windows/AccessibleText.cpp" line="+20"/>
        <source>A result of your reading</source>
        <translation>Hasil ramalan Anda</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <location filename="../src/shell/windows/Application.cpp" line="+52"/>
        <source>Application is already running</source>
        <translation>Program sudah berjalan</translation>
    </message>
</context>
<context>
    <name>Banners</name>
    <message>
        <location filename="../src/common/logic/BannerCaptions.cpp" line="+9"/>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Tampilkan merek situs Anda bersama program ini.  Tingkatkan loyalitas dan kunjungan ke situs Anda. Pasang nama &amp;&amp;  tautan situs Anda di sini. Lihat &quot;Bantuan&quot; untuk rinciannya.    Klik di Sini untuk info lebih lanjut tentang merek bersama.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Peluang Usaha Rumahan. Mulai bisnis Internet Anda sendiri dan hasilkan uang secara daring. Dapatkan program ini sepenuhnya bermerek situs web Anda. Klik di sini untuk rincian lebih lanjut.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Most Popular Online Mystic Discussion Forum</source>
        <translation>Forum Diskusi Mistik Daring Terpopuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now</source>
        <translation>Forum Diskusi Mistik Daring Terpopuler. Klik di Sini dan Kunjungi %1 Sekarang</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click Here To Visit %1 Now</source>
        <translation>Klik di Sini dan Kunjungi %1 Sekarang</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Forum Diskusi Mistik Daring Terpopuler. Sumber Terbaik untuk Segala Hal Mistik. Kunjungi %1 Sekarang</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Forum Mistik Daring Terpopuler. Sumber Terbaik untuk Segala Hal Mistik. Kunjungi %1 Sekarang</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click here to visit %1</source>
        <translation>Klik untuk mengunjungi %1</translation>
    </message>
    <message>
        <location filename="../src/common/windows/frmAbout.cpp" line="+66"/>
        <source>Click here for more details.</source>
        <translation>Klik di sini untuk rincian lebih lanjut.</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <location filename="../src/common/logic/BirthDetails.h" line="+12"/>
        <source>Male</source>
        <translation>Laki-laki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Female</source>
        <translation>Perempuan</translation>
    </message>
</context>
<context>
    <name>BrandFrame</name>
    <message>
        <location filename="../src/common/windows/BrandFrame.cpp" line="+17"/>
        <source>Opens the sponsor&apos;s home page, a discussion forum on mystic subjects, in your browser</source>
        <translation>Membuka beranda sponsor, sebuah forum diskusi tentang hal-hal mistik, di peramban Anda</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Opens the page on co-branding this software for your own site, in your browser</source>
        <translation>Membuka halaman tentang merek bersama program ini untuk situs Anda sendiri, di peramban Anda</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Opens the offer to get this software fully branded for your web site, in your browser</source>
        <translation>Membuka tawaran untuk mendapatkan program ini sepenuhnya bermerek situs web Anda, di peramban Anda</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../src/common/windows/HelpMenu.cpp" line="+14"/>
        <source>&amp;Help</source>
        <translation>Ban&amp;tuan</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Online Help</source>
        <translation>Bantuan &amp;Daring</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Kunjungi Situs Kami</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check for Software &amp;Update</source>
        <translation>Periksa &amp;Pembaruan Program</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Software</source>
        <translation>&amp;Tentang Program</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Make Money Online</source>
        <translation>Hasilkan Uang Daring</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/burmese/logic/modBurmese.h" line="+44"/>
        <source>Is Your Time Of Birth After 12 PM ?</source>
        <translation>Apakah Anda Lahir setelah Pukul 12 Siang?</translation>
    </message>
    <message>
        <location filename="../src/common/logic/BirthDetailsRules.h" line="+60"/>
        <source>Please Enter Your Name</source>
        <translation>Silakan Masukkan Nama Anda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Select Your Sex</source>
        <translation>Silakan Pilih Jenis Kelamin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Silakan Perbaiki Tanggal atau Bulan!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Silakan Perbaiki Tanggal atau Bulan !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Check The File.</source>
        <translation>Silakan Periksa Berkasnya.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Enter Only Alphabet</source>
        <translation>Silakan Masukkan Huruf Saja</translation>
    </message>
    <message>
        <location filename="../src/burmese/logic/BurmeseTradition.cpp" line="+87"/>
        <source>Please Enter Your Name !</source>
        <translation>Silakan Masukkan Nama Anda !</translation>
    </message>
    <message>
        <location filename="../src/shell/logic/UpdateReminderRule.h" line="+18"/>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Mungkin tersedia pembaruan untuk program ini<byte value="xd"/>Apakah Anda ingin memeriksa pembaruan?</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <location filename="../src/common/logic/Months.h" line="+12"/>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>March</source>
        <translation>Maret</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May</source>
        <translation>Mei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>August</source>
        <translation>Agustus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>December</source>
        <translation>Desember</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <location filename="../src/common/windows/QtPlatform.cpp" line="+200"/>
        <source>%1
This file is read-only. Please choose another file.</source>
        <translation>%1
Berkas ini hanya-baca. Silakan pilih berkas lain.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>No printer was found, so the report was saved as %1</source>
        <translation>Printer tidak ditemukan, jadi laporan disimpan sebagai %1</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <location filename="../src/burmese/logic/modBurmese.cpp" line="+77"/>
        <source>Houses 1,2,6 indicates problem in life.</source>
        <translation>Rumah 1,2,6 menandakan masalah dalam hidup.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Houses 3,4,5,7 indicates happiness and Prosperity in life.</source>
        <translation>Rumah 3,4,5,7 menandakan kebahagiaan dan kemakmuran dalam hidup.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hold Your Mouse On The House To Know The Description Of That House.</source>
        <translation>Arahkan Tetikus ke Rumah untuk Melihat Keterangan Rumah Tersebut.</translation>
    </message>
    <message>
        <location filename="../src/indonesian/logic/modJavaneseAstrology.h" line="+28"/>
        <source>Javanese Result</source>
        <translation>Hasil Jawa</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <location filename="../src/african/logic/AfricanReport.cpp" line="+21"/>
        <location filename="../src/indonesian/logic/IndonesianReport.cpp" line="+23"/>
        <source>Name: </source>
        <translation>Nama: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/indonesian/logic/IndonesianReport.cpp" line="+1"/>
        <source>Date of Birth: </source>
        <translation>Tanggal Lahir: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>African Astrology Symbol: </source>
        <translation>Simbol Astrologi Afrika: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>African Astrology Description: </source>
        <translation>Keterangan Astrologi Afrika: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Element: </source>
        <translation>Elemen: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lucky Day: </source>
        <translation>Hari Baik: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most Successful Months: </source>
        <translation>Bulan Paling Sukses: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Body Parts: </source>
        <translation>Bagian Tubuh: </translation>
    </message>
    <message>
        <location filename="../src/burmese/logic/BurmeseReport.cpp" line="+37"/>
        <source>Name :- </source>
        <translation>Nama :- </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date Of Birth :- </source>
        <translation>Tanggal Lahir :- </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day Of Birth :- </source>
        <translation>Hari Lahir :- </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lucky Direction :- </source>
        <translation>Arah Keberuntungan :- </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Characteristic Traits :- </source>
        <translation>Sifat Dasar :- </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Birth Day Planet :- </source>
        <translation>Planet Hari Lahir Anda :- </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Animal Sign :- </source>
        <translation>Lambang Hewan :- </translation>
    </message>
    <message>
        <location filename="../src/common/logic/LongDate.cpp" line="+9"/>
        <source>%1 %2, %3</source>
        <extracomment>A date in a report: %1 the month&apos;s name, %2 the day, %3 the year</extracomment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <location filename="../src/common/logic/ReportWords.cpp" line="+10"/>
        <source>Report Generated By %1</source>
        <translation>Laporan dibuat oleh %1</translation>
    </message>
    <message>
        <location filename="../src/indonesian/logic/IndonesianReport.cpp" line="+2"/>
        <source>Indonesian Day Sign: </source>
        <translation>Pasaran: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indonesian Weekday: </source>
        <translation>Hari: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>English Weekday: </source>
        <translation>Hari (Inggris): </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description: 
</source>
        <translation>Keterangan: 
</translation>
    </message>
    <message>
        <location filename="../src/tibetan/logic/TibetanReport.cpp" line="+28"/>
        <source>Your Name: </source>
        <translation>Nama Anda: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Sex: </source>
        <translation>Jenis Kelamin: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Tibetan Sun Sign: </source>
        <translation>Zodiak Tibet Anda: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Tranlation of Tibetan Sun Sign: </source>
        <translation>Terjemahan Zodiak Tibet Anda: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Western Sun Sign: </source>
        <translation>Zodiak Barat Anda: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Tibetan Animal Sign: </source>
        <translation>Lambang Hewan Tibet Anda: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Tibetan Element: </source>
        <translation>Elemen Tibet Anda: </translation>
    </message>
</context>
<context>
    <name>Traditions</name>
    <message>
        <location filename="../src/african/logic/AfricanTradition.cpp" line="+40"/>
        <source>African Astrology (*.afa)|*.afa</source>
        <translation>Astrologi Afrika (*.afa)|*.afa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kestrin Free African Astrology</source>
        <translation>Kestrin Astrologi Afrika Gratis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>African Astrology | *.afa</source>
        <translation>Astrologi Afrika | *.afa</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>African Astrology</source>
        <translation>Astrologi Afrika</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A sun with triangular rays</source>
        <translation>Matahari dengan sinar segitiga</translation>
    </message>
    <message>
        <location filename="../src/arabic/logic/ArabicTradition.cpp" line="+36"/>
        <source>Kestrin Free Numerology Pro (*.num)|*.num</source>
        <translation>Kestrin Free Numerology Pro (*.num)|*.num</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Arabic Astrology</source>
        <translation>Astrologi Arab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A crescent moon and a star</source>
        <translation>Bulan sabit dan bintang</translation>
    </message>
    <message>
        <location filename="../src/burmese/logic/BurmeseTradition.cpp" line="-5"/>
        <source>Kestrin Free Burmese Astrology (*.bur)|*.bur</source>
        <translation>Kestrin Astrologi Burma Gratis (*.bur)|*.bur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kestrin Free Burmese Astrology</source>
        <translation>Kestrin Astrologi Burma Gratis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kestrin Free Burmese Astrology | *.bur</source>
        <translation>Kestrin Astrologi Burma Gratis | *.bur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Burmese Astrology</source>
        <translation>Astrologi Burma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A golden pagoda</source>
        <translation>Pagoda emas</translation>
    </message>
    <message>
        <location filename="../src/indonesian/logic/IndonesianTradition.cpp" line="+39"/>
        <source>Kestrin Free Indonesian Astrology (*.jav)|*.jav</source>
        <translation>Kestrin Astrologi Indonesia Gratis (*.jav)|*.jav</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kestrin Free Indonesian Astrology</source>
        <translation>Kestrin Astrologi Indonesia Gratis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kestrin Free Indonesian Astrology | *.jav</source>
        <translation>Kestrin Astrologi Indonesia Gratis | *.jav</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Indonesian Astrology</source>
        <translation>Astrologi Indonesia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A four-petal batik motif</source>
        <translation>Motif batik berkelopak empat</translation>
    </message>
    <message>
        <location filename="../src/registry/logic/TraditionRegistry.cpp" line="+25"/>
        <source>Astrology has evolved in different parts of the world in different forms! Each country has its own culture and heritage which has been reflected in the zodiac sign. Know more about your Tibetan, Arabic, Indonesian and Burmese Astrology signs with this software.</source>
        <translation>Astrologi berkembang di berbagai belahan dunia dalam berbagai bentuk! Setiap negara memiliki budaya dan warisannya sendiri, yang tecermin dalam tanda zodiaknya. Kenali lebih jauh tanda astrologi Tibet, Arab, Indonesia, dan Burma Anda dengan program ini.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kestrin Oriastra is a combination of Tibetan, Arabic, Indonesian and Burmese Astrology signs. Astrology originated in these places around 1000 years ago and has its roots in several other traditions. Each of them has an advanced zodiac system which helps find out your zodiac sign based on your date of birth and gives you a detailed list of characteristics of your sign. This represents your characteristic traits, behavior and nature. In short, this program helps you understand your positive and negative traits, thus helping you improve your personality. We hope it brings you many evenings of curious and cheerful self-discovery.</source>
        <translation>Kestrin Oriastra memadukan tanda astrologi Tibet, Arab, Indonesia, dan Burma. Astrologi lahir di tempat-tempat ini sekitar 1000 tahun yang lalu dan berakar pada beberapa tradisi lain. Masing-masing memiliki sistem zodiak yang maju, yang membantu menemukan tanda zodiak Anda berdasarkan tanggal lahir dan memberikan daftar terperinci tentang ciri-ciri tanda Anda. Ciri-ciri ini menggambarkan sifat, perilaku, dan watak Anda. Singkatnya, program ini membantu Anda memahami sifat positif dan negatif Anda sehingga Anda dapat memperbaiki kepribadian. Semoga program ini memberi Anda banyak malam yang penuh rasa ingin tahu dan keceriaan dalam mengenal diri sendiri.</translation>
    </message>
    <message>
        <location filename="../src/tibetan/logic/TibetanTradition.cpp" line="+46"/>
        <source>Tibetan Astrology (*.tib)|*.tib</source>
        <translation>Astrologi Tibet (*.tib)|*.tib</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kestrin Oriastra</source>
        <translation>Kestrin Oriastra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rich Text Format | *.tib</source>
        <translation>Format Teks Kaya | *.tib</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tibetan Astrology</source>
        <translation>Astrologi Tibet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A snow mountain and the sun above a lake</source>
        <translation>Gunung salju dan matahari di atas danau</translation>
    </message>
</context>
<context>
    <name>WetonTexts</name>
    <message>
        <location filename="../src/indonesian/logic/WetonTexts.cpp" line="+20"/>
        <source>You are very secretive and introvert by nature. You disclose your real thoughts only to one or two people who have proven themselves over the years, and even they hear only part of the story. Minggu Legi folks carry the warmth of the Sunday sun inside, but they keep it behind a quiet face, and strangers often mistake them for cold or proud. Your kindness works in secret too: school fees slipped to a widow&apos;s child, and nobody is told who paid. Your Legi sweetness shows in the gentle way you treat the weak, the old and small children. Work that rewards discretion suits you: bookkeeping, research, archives or any trade where secrets must be kept. A suitor must wait long before you admit any feeling, and you test them with small confidences to see whether they repeat them. Whoever passes that test is given what nobody else receives: the rest of the story.</source>
        <translation>Watak Anda sangat tertutup dan introver. Isi hati yang sebenarnya hanya Anda buka kepada satu dua orang yang sudah teruji bertahun-tahun, dan itu pun mereka hanya mendengar sebagian cerita. Orang Minggu Legi menyimpan hangatnya matahari hari Minggu di dalam diri, tetapi menutupinya dengan wajah tenang, sehingga orang asing sering mengira mereka dingin atau angkuh. Kebaikan Anda pun bekerja dalam senyap: uang sekolah anak seorang janda Anda lunasi, tanpa ada yang diberi tahu siapa pembayarnya. Sifat manis Legi tampak dari kelembutan Anda kepada yang lemah, kaum lansia, dan anak kecil. Pekerjaan yang menghargai kerahasiaan cocok bagi Anda: pembukuan, penelitian, kearsipan, atau bidang apa pun yang menuntut tutup mulut. Orang yang mendekati Anda harus lama menunggu sebelum Anda mengakui perasaan, dan Anda mengujinya dengan titipan rahasia kecil untuk melihat apakah ia membocorkannya. Siapa yang lulus ujian itu mendapat apa yang tak diterima orang lain: sisa ceritanya.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>According to the myths and legends of the Java people, a child born on Minggu Pahing arrives with a little fire in the blood. Pahing is the red market day of the south, and it gives these folks a hot temper, a firm will and a hunger to own land, a house or a business with their name on it. Renting never feels right; you would rather ride far to work from land of your own. A quarrel with you is loud and short: you shout over the fence at sunrise and send that neighbour a plate of fried bananas by evening. You are proud to serve guests rice from your own field.</source>
        <translation>Menurut mitos dan legenda orang Jawa, anak yang lahir pada Minggu Pahing membawa sedikit api dalam darahnya. Pahing adalah pasaran merah dari arah selatan; ia memberi orang-orangnya watak mudah panas, kemauan teguh, dan hasrat memiliki tanah, rumah, atau usaha atas nama sendiri. Mengontrak tak pernah terasa pas; Anda lebih suka menempuh jalan jauh ke tempat kerja asal berangkat dari tanah sendiri. Bertengkar dengan Anda itu ramai tapi singkat: saat matahari terbit Anda berteriak dari balik pagar, menjelang petang tetangga itu Anda kirimi sepiring pisang goreng. Anda bangga menyuguhi tamu nasi dari sawah sendiri.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are a sensitive, emotional and a soft-hearted person. Born with feelings that pick up every change of mood, you know who has quarrelled in a house before anyone says a word. A harsh word can spoil your whole week, while a small kindness can lift you for days. Minggu Pon people are moved to tears by music, old songs and stories of hardship, and many of them have a real gift for painting, dancing or gamelan. An evening at the drum or the easel settles you better than a long talk. A clever cousin can empty your purse with one tearful tale, so ask a level-headed friend before you lend. The partner who suits you is calm and not easily upset, someone who can hear you cry without panic and still cook supper.</source>
        <translation>Anda peka, perasa, dan berhati lembut. Sejak lahir perasaan Anda menangkap setiap perubahan suasana, sehingga Anda tahu siapa yang baru bertengkar di sebuah rumah sebelum ada yang bicara. Satu kata kasar bisa merusak seminggu penuh, sedangkan kebaikan kecil menghibur Anda berhari-hari. Orang Minggu Pon mudah menangis oleh musik, lagu lama, dan kisah penderitaan, dan banyak yang sungguh berbakat melukis, menari, atau menabuh gamelan. Bermain kendang atau melukis di malam hari lebih menenangkan Anda daripada obrolan panjang. Sepupu yang pintar bicara bisa menguras dompet Anda dengan satu kisah berurai air mata, jadi tanyai teman yang berkepala dingin sebelum memberi pinjaman. Pasangan yang cocok bagi Anda tenang dan tak mudah gelisah, bisa mendengar Anda menangis tanpa panik dan tetap memasak makan malam.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are a kind, generous and a compassionate person by nature. Minggu Wage folks keep an open door and a full pot of rice, and no guest leaves their house hungry. You cannot pass a beggar, a stray cat or a lost child without stopping to help. Money slips through your generous fingers, and you may reach middle age with many friends but few savings. Let your spouse hold the household purse, for cash kept by you becomes a neighbour&apos;s medicine within a week. Nursing, the village health post and a relief kitchen suit you. Old favours often come back when you need them most. At your own feasts the family eats last, because guests are always served first.</source>
        <translation>Sejak lahir Anda baik hati, dermawan, dan penuh welas asih. Pintu rumah orang Minggu Wage selalu terbuka dan periuk nasinya selalu penuh; tak ada tamu yang pulang lapar. Anda tak sanggup melewati pengemis, kucing liar, atau anak tersesat tanpa berhenti menolong. Uang mudah lolos dari jari-jari Anda yang pemurah, dan bisa jadi Anda tiba di usia paruh baya dengan banyak sahabat tetapi sedikit tabungan. Biarkan pasangan Anda memegang dompet rumah tangga, sebab uang yang Anda simpan akan menjadi obat tetangga dalam seminggu. Keperawatan, pos kesehatan desa, dan dapur umum cocok untuk Anda. Kebaikan yang dulu Anda tabur sering kembali saat paling dibutuhkan. Di kenduri Anda sendiri, keluarga makan paling akhir, karena tamu selalu didahulukan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Like the Minggu Legi folks, you are also a quiet person, but your silence has a different source. Where they hide their feelings, you are simply listening to something others cannot hear. Kliwon, the market day of the centre, is held sacred in Java, and those it touches are said to have one foot in the unseen world. You may wake from a dream knowing who will visit that day. Many Minggu Kliwon people are drawn to herbal jamu and the healing arts, and a feverish child often settles under your hand. Friends bring you their troubles, for you calm them without saying much. Loud weddings tire you; an hour alone by the river restores you.</source>
        <translation>Seperti orang Minggu Legi, Anda juga pendiam, tetapi diamnya Anda bersumber lain. Bila mereka menyembunyikan perasaan, Anda sebenarnya sedang mendengarkan sesuatu yang tak terdengar orang lain. Kliwon, pasaran arah tengah, dianggap keramat di Jawa, dan mereka yang disentuhnya konon berdiri dengan satu kaki di alam gaib. Bisa saja Anda bangun dari mimpi dan sudah tahu siapa yang akan bertamu hari itu. Banyak orang Minggu Kliwon tertarik pada jamu dan ilmu pengobatan, dan anak yang demam sering tenang di bawah tangan Anda. Sahabat datang membawa masalah mereka, sebab Anda menenangkan mereka tanpa banyak bicara. Pesta pernikahan yang riuh membuat Anda lelah; satu jam menyendiri di tepi sungai memulihkan Anda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are just the opposite of Minggu Legi folks. Senin Legi people say what they feel the moment they feel it. You love company, chatter and laughter, and the party starts when you arrive. The sweetness of Legi gives you a pleasant voice and easy charm, so you are a natural at selling in the market or singing at a wedding. The weak point is your tongue: a secret told to you rarely stays secret past the next meal, and a careless joke can hurt more than you mean. Before you pass on news, ask whether the person it concerns would be glad to hear you telling it. You fall in love fast and openly, and the whole street soon knows your sweetheart&apos;s name.</source>
        <translation>Anda kebalikan dari orang Minggu Legi. Orang Senin Legi mengutarakan perasaan begitu perasaan itu muncul. Anda senang berkumpul, mengobrol, dan tertawa, dan pesta baru dimulai saat Anda tiba. Manisnya Legi memberi Anda suara merdu dan pesona yang luwes, sehingga Anda berbakat alami berjualan di pasar atau menyanyi di pesta pernikahan. Titik lemah Anda ada di lidah: rahasia yang dititipkan kepada Anda jarang bertahan lewat waktu makan berikutnya, dan candaan sembrono bisa melukai lebih dari yang Anda maksud. Sebelum meneruskan kabar, tanyakan dulu apakah orang yang dibicarakan akan senang mendengar Anda menceritakannya. Anda jatuh cinta dengan cepat dan terang-terangan, dan tak lama kemudian seisi jalan tahu nama kekasih Anda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Senin Pahing fellows are often referred to as the &apos;rough diamonds&apos; of the Javanese calendar. Their manners are blunt, their voices loud and their jokes a little coarse, yet underneath lies a heart of great worth. You are a tireless worker who would rather lift a heavy load than talk about lifting it. Farming, building, driving and every trade that uses the hands suit you well, and you take quiet pride in a job finished properly. Your hands know more than books do: you can judge soil by crumbling it and a bamboo pole by tapping on it. Polite people may wince at first, but those who stay discover a friend who will walk for miles to help them. Shy with sweet words, you show your love by mending the roof or bringing home a bag of rice.</source>
        <translation>Orang Senin Pahing sering dijuluki &apos;intan yang belum diasah&apos; dalam penanggalan Jawa. Sikap mereka tanpa basa-basi, suara mereka lantang, dan candaan mereka agak kasar, tetapi di baliknya tersimpan hati yang sangat berharga. Anda pekerja tak kenal lelah yang lebih suka mengangkat beban berat daripada membicarakannya. Bertani, membangun, menyetir, dan segala pekerjaan tangan cocok untuk Anda, dan diam-diam Anda bangga pada pekerjaan yang tuntas dengan baik. Tangan Anda tahu lebih banyak daripada buku: Anda bisa menilai tanah dengan meremasnya dan bambu dengan mengetuknya. Orang yang santun mungkin mengernyit pada awalnya, tetapi yang bertahan akan menemukan sahabat yang rela berjalan berkilo-kilometer untuk menolong. Karena malu berkata manis, Anda menunjukkan cinta dengan memperbaiki atap atau membawa pulang sekarung beras.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Born on Senin Pon you are unpredictable and contradictory in your ways. At the start of the week you may be generous and merry, and by its end tight-fisted and withdrawn, without knowing why. The Monday moon waxes and wanes in you, and Pon, the yellow day of the west, adds a love of soft beds. Friends never know which version of you will appear, which makes them cautious. Yet your changeable mind is also inventive; you see several sides of a problem and find answers that steadier people miss. You may change jobs and homes more often than most. Keep a diary of your moods; you may find they follow the moon closely.</source>
        <translation>Lahir pada Senin Pon, Anda sulit ditebak dan penuh pertentangan. Di awal pekan Anda bisa murah hati dan riang, lalu di ujungnya pelit dan menyendiri tanpa tahu sebabnya. Bulan hari Senin membesar dan menyusut dalam diri Anda, dan Pon, hari kuning dari barat, menambah kegemaran pada kasur empuk. Teman tak pernah tahu wajah Anda yang mana yang akan muncul, sehingga mereka berhati-hati. Namun pikiran yang berubah-ubah itu juga kreatif; Anda melihat beberapa sisi masalah dan menemukan jawaban yang luput dari orang yang lebih stabil. Anda mungkin lebih sering berganti pekerjaan dan rumah daripada kebanyakan orang. Catat suasana hati Anda di buku harian; bisa jadi naik-turunnya setia mengikuti bulan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Senin Wage people are direct, outspoken, extrovert and express their views without waiting to be asked. You cannot stand hypocrisy, and you will point out a wrong even when the person at fault is your boss or your elder. This courage makes you a good spokesman for neighbours who are too timid to complain, and many of these folks end up as village heads, lawyers or union leaders. Where others soften every refusal, you say a plain no, and elders are unsure whether to scold or admire you. A complaint set down in writing often gets further than your raised voice. Your children learn at your table that a question is never rude, and they grow up unafraid to speak up in class.</source>
        <translation>Orang Senin Wage lugas, ceplas-ceplos, ekstrover, dan menyampaikan pendapat tanpa menunggu ditanya. Anda tak tahan pada kemunafikan, dan akan menunjukkan kesalahan meski yang bersalah adalah atasan atau orang yang lebih tua. Keberanian ini menjadikan Anda juru bicara yang baik bagi tetangga yang terlalu segan mengeluh, dan banyak orang Senin Wage akhirnya menjadi kepala desa, pengacara, atau pemimpin serikat pekerja. Ketika orang lain memperhalus setiap penolakan, Anda menolak terus terang, dan para sesepuh bingung harus menegur atau mengagumi Anda. Keluhan tertulis sering lebih berhasil daripada suara Anda yang meninggi. Di meja makan Anda, anak-anak belajar bahwa bertanya tak pernah kurang ajar, dan mereka tumbuh tanpa takut angkat bicara di kelas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Family and friends are your first and foremost priorities. People born on Senin Kliwon are the ones who remember every relative&apos;s weton, keep the family graves swept and see that the slametan feast is held on time. You feel responsible for everyone under your roof and many beyond it. Kliwon&apos;s mystic touch tells you when a relative is in trouble, often before the news arrives. You are protective, sometimes to the point of meddling, and your grown children may need you to step back. Keep one evening a week for a class or a craft of your own, and let the family cook. In old age these folks are honoured as the heart of the clan, and their houses fill with grandchildren.</source>
        <translation>Keluarga dan sahabat adalah prioritas utama Anda. Orang yang lahir pada Senin Kliwon hafal weton setiap kerabat, rajin menyapu makam keluarga, dan memastikan slametan digelar tepat waktu. Anda merasa bertanggung jawab atas semua orang yang seatap dengan Anda, dan atas banyak orang di luar rumah. Sentuhan mistis Kliwon memberi tahu Anda bila seorang kerabat dalam kesulitan, sering sebelum kabarnya tiba. Anda suka melindungi, kadang sampai terlalu ikut campur, dan anak-anak Anda yang sudah dewasa mungkin perlu Anda beri ruang. Sisihkan satu malam setiap minggu untuk kursus atau kerajinan Anda sendiri, dan biarkan keluarga yang memasak. Di masa tua, orang Senin Kliwon dihormati sebagai jantung keluarga besar, dan rumahnya ramai oleh cucu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The Selasa Legi folks are well-known for their strong, firm principles, yet they defend them with a smile rather than a fist. You decide early in life what is right and what is wrong, and no amount of money or flattery will move you from that line. What makes you unusual is the sweetness that Legi adds: you can refuse a bribe, correct a cheat or say no to a powerful official so politely that he thanks you afterwards. This weton gives Java many of its teachers, judges, religious leaders and respected village elders. Your weakness is a certain rigidity; once you have judged someone, it is hard for you to change your view, even after they have changed. Worry settles in your stomach: before a hard meeting you cannot eat, and after it you are suddenly hungry. You choose a spouse by watching how the person treats a waiter, and once married you keep every vow. Now and then, share a meal with someone you once judged harshly.</source>
        <translation>Orang Selasa Legi terkenal berprinsip kuat dan teguh, tetapi mereka membelanya dengan senyuman, bukan kepalan tangan. Sejak muda Anda sudah menetapkan mana yang benar dan mana yang salah, dan berapa pun uang atau sanjungan tak akan menggeser Anda dari garis itu. Yang membuat Anda istimewa adalah rasa manis yang ditambahkan Legi: Anda bisa menolak suap, menegur orang yang curang, atau berkata tidak kepada pejabat berkuasa dengan begitu santun sehingga ia malah berterima kasih sesudahnya. Weton ini melahirkan banyak guru, hakim, pemuka agama, dan sesepuh desa yang disegani di tanah Jawa. Kelemahan Anda adalah sikap yang agak kaku; sekali Anda menilai seseorang, sulit bagi Anda mengubah pandangan, bahkan setelah orang itu berubah. Kecemasan Anda mengendap di perut: sebelum pertemuan yang berat Anda tak bisa makan, dan sesudahnya tiba-tiba Anda lapar. Anda memilih pasangan dengan mengamati caranya memperlakukan pelayan, dan setelah menikah Anda memegang setiap janji. Sesekali, makanlah bersama orang yang dulu Anda nilai terlalu keras.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Selasa Pahing folks are basically sweet natured, easy going and slow to take offence. You would rather laugh off an insult than start a quarrel, and one dry joke from you can cool a tense debate. Beneath the calm, Pahing hides a stubborn streak that appears only when someone threatens your family or your land. Then the easy-going fellow becomes an immovable wall. Simple pleasures content you: strong coffee, a garden, a nap.</source>
        <translation>Pada dasarnya orang Selasa Pahing berwatak manis, santai, dan tak mudah tersinggung. Anda lebih suka menertawakan hinaan daripada memulai pertengkaran, dan satu lelucon kering dari Anda bisa mendinginkan debat yang tegang. Di balik ketenangan itu, Pahing menyimpan sifat keras kepala yang hanya muncul bila keluarga atau tanah Anda terancam. Saat itulah si santai menjadi tembok yang tak tergoyahkan. Kesenangan sederhana sudah memuaskan Anda: kopi kental, kebun, tidur siang.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The Salasa Pon folks are well-known for their strong, firm sense of dignity. They dress neatly, talk with care and expect to be treated with respect, and they give the same respect to others. Pon brings a love of status and fine things, so you work hard to build a name that your children can be proud of. Even at home you are seldom seen in a crumpled shirt, and a guest who arrives unannounced may wait while you change. Banks, courts and offices where forms must be exact suit you well. In your house even toddlers greet guests properly and sit straight. A friend who teases you gently, with no audience, is worth more than ten who flatter.</source>
        <translation>Orang Selasa Pon dikenal dengan harga diri yang kuat dan kokoh. Mereka berpakaian rapi, bertutur hati-hati, dan berharap dihormati, serta memberi hormat yang sama kepada orang lain. Pon membawa kecintaan pada status dan barang bagus, sehingga Anda bekerja keras membangun nama baik yang bisa dibanggakan anak-anak Anda. Di rumah pun Anda jarang terlihat berkemeja kusut, dan tamu yang datang tanpa kabar mungkin harus menunggu selagi Anda berganti pakaian. Bank, pengadilan, dan kantor yang menuntut formulir serba tepat cocok untuk Anda. Di rumah Anda, balita pun menyalami tamu dengan sopan dan duduk tegak. Satu teman yang menggoda Anda dengan lembut, tanpa penonton, lebih berharga daripada sepuluh penyanjung.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The Selasa Wage folks are well-known for their strong, firm bodies and their stamina. Long days in the rice field, the workshop or the market hardly tire them, and many practise pencak silat or football well into middle age. You are persistent to the point of stubbornness; once you have started a task, you will see it through even if the whole village tells you it is hopeless. That endurance often pays off, and these folks build up property slowly through sheer effort. Jealousy is your weakness, both in love and in business, and a rival&apos;s success can gnaw at you. Compare this year&apos;s harvest with your own from last year, not with your neighbour&apos;s. Do not ignore small aches, for you tend to work straight through illness.</source>
        <translation>Orang Selasa Wage termasyhur karena tubuhnya yang kuat dan kekar serta staminanya. Hari-hari panjang di sawah, bengkel, atau pasar nyaris tak membuat mereka lelah, dan banyak yang tetap berlatih pencak silat atau bermain sepak bola hingga usia paruh baya. Anda gigih sampai keras kepala; sekali memulai suatu pekerjaan, Anda akan menuntaskannya walaupun seisi desa bilang itu sia-sia. Ketahanan itu sering membuahkan hasil, dan orang Selasa Wage mengumpulkan harta sedikit demi sedikit berkat kerja keras semata. Rasa cemburu dan iri adalah kelemahan Anda, baik dalam cinta maupun dalam usaha, dan keberhasilan pesaing bisa menggerogoti hati Anda. Bandingkan panen tahun ini dengan panen Anda sendiri tahun lalu, bukan dengan panen tetangga. Jangan abaikan pegal dan nyeri kecil, sebab Anda cenderung terus bekerja meski sedang sakit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are born a friendly person with a sweet and persuasive tongue. People warm to you at once, and you can talk an angry crowd into calm or a stubborn buyer into a bargain. In Java the eve of Selasa Kliwon is a holy night, and a child born then is said to carry a blessing, or a heavy duty to use their gifts well. Many keep the old fasts, living for days on rice and water only. Your charm attracts followers, so be careful where you lead them. Money comes to you through people rather than hard labour, as a broker, a matchmaker or a seller of land. A promise you break travels far, for many heard you make it.</source>
        <translation>Anda terlahir ramah, dengan lidah manis yang pandai membujuk. Orang langsung akrab dengan Anda, dan Anda bisa menenangkan kerumunan yang marah atau meluluhkan pembeli yang keras kepala hingga sepakat. Di Jawa, malam Selasa Kliwon dianggap malam suci, dan anak yang lahir saat itu konon membawa berkah, atau kewajiban berat untuk memakai bakatnya dengan baik. Banyak yang menjalani tirakat, berhari-hari hanya makan nasi dan minum air. Pesona Anda menarik pengikut, jadi hati-hatilah ke mana Anda membawa mereka. Uang datang lewat orang, bukan kerja kasar: sebagai makelar, mak comblang, atau penjual tanah. Janji yang Anda ingkari tersebar jauh, karena banyak yang mendengar Anda mengucapkannya.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rabu Legi fellows are the strict followers of the social rules and customs of their community. They know which level of Javanese to use with an elder, how a guest should be received and what gift suits a wedding, and they are quietly pained when others get it wrong. You are polite, punctual and reliable, so neighbours ask you to arrange their ceremonies and family feasts. New ways make you uneasy, and you may frown upon the habits of the young. Remember that customs were once new too. The grandchildren learn the old songs and prayers from you.</source>
        <translation>Orang Rabu Legi taat sepenuhnya pada aturan dan adat istiadat masyarakatnya. Mereka tahu undak-usuk bahasa Jawa yang tepat untuk orang yang lebih tua, bagaimana tamu semestinya disambut, dan hadiah apa yang pantas untuk pernikahan, dan diam-diam mereka merasa pedih bila orang lain keliru. Anda santun, tepat waktu, dan dapat diandalkan, sehingga tetangga meminta Anda mengatur upacara dan hajatan keluarga mereka. Cara-cara baru membuat Anda resah, dan Anda mungkin mengerutkan dahi melihat kebiasaan anak muda. Ingatlah bahwa adat pun dulu pernah baru. Dari Anda, para cucu belajar tembang dan doa-doa lama.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are secretive and introvert by nature. You disclose yourself, your plans and above all your savings to nobody until the deal is done. Rabu Pahing people are shrewd planners who act from behind the curtain, and rivals are often surprised by what you have quietly built. Mercury, the planet of Wednesday, makes you quick with figures, and you deal ably in land, gold or goods, buying when others panic to sell. Tell your spouse at least where the land papers are kept; a secret that dies with you can cost your children dearly.</source>
        <translation>Sudah pembawaan Anda untuk tertutup dan introver. Anda tidak membuka diri, rencana, apalagi tabungan Anda kepada siapa pun sebelum kesepakatan selesai. Orang Rabu Pahing adalah perencana cerdik yang bergerak di balik layar, dan para pesaing sering terkejut melihat apa yang diam-diam telah Anda bangun. Merkurius, planet hari Rabu, membuat Anda cepat berhitung, dan Anda cakap berdagang tanah, emas, atau barang, membeli ketika orang lain panik menjual. Setidaknya beri tahu pasangan Anda di mana surat-surat tanah disimpan; rahasia yang ikut terkubur bersama Anda bisa sangat merugikan anak-anak Anda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rabu Pon folks are born as lucky individuals. You are the kind who finds a lost ring in the sand, wins a raffle and meets a future boss on the bus. Doors open for you easily, partly by fortune and partly through your cheerful air. Your luck has a blind spot: at cards and in get-rich schemes it fails you as it fails others. Friends take you along to job interviews and house viewings, half joking that you bring them luck.</source>
        <translation>Orang Rabu Pon terlahir beruntung. Andalah tipe orang yang menemukan cincin hilang di pasir, memenangi undian, dan bertemu calon atasan di bus. Pintu mudah terbuka bagi Anda, sebagian karena nasib baik dan sebagian karena sikap Anda yang ceria. Keberuntungan Anda punya titik buta: di meja kartu dan dalam skema cepat kaya, ia lenyap, sama seperti pada orang lain. Teman-teman mengajak Anda ke wawancara kerja atau melihat rumah, setengah bercanda bahwa Anda pembawa untung.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are good hearted and friendly by nature. You love harmony above almost everything, and you will swallow your complaints to keep a family gathering peaceful. Rabu Wage folks make fine go-betweens; in the old days they would have arranged marriages and settled disputes over field boundaries. Seeing the good in everyone, you find it painful to take sides, and both parties in a quarrel may leave believing you agreed with them. Stronger characters sometimes use this, pushing you to sign or agree before you are ready. Swallowed complaints do not vanish; they tend to return as headaches or heavy tiredness after family visits. Mediation, counselling and village dispute committees are natural work for you, provided someone else is left to deliver the final ruling and bear the anger it brings.</source>
        <translation>Anda berhati baik dan ramah sejak dilahirkan. Anda mencintai kerukunan di atas hampir segalanya, dan rela memendam keluhan agar pertemuan keluarga tetap damai. Orang Rabu Wage pandai menjadi penengah; dulu mereka pasti menjadi perantara perjodohan dan pendamai sengketa batas sawah. Karena melihat kebaikan dalam diri setiap orang, Anda merasa berat untuk memihak, dan kedua pihak yang bertikai bisa pulang dengan keyakinan bahwa Anda setuju dengan mereka. Orang berwatak lebih keras kadang memanfaatkan hal ini, mendesak Anda menandatangani atau menyetujui sesuatu sebelum siap. Keluhan yang dipendam tidak lenyap; biasanya ia kembali sebagai sakit kepala atau lelah berat setelah kunjungan keluarga. Mediasi, konseling, dan panitia penyelesaian sengketa desa adalah pekerjaan yang pas bagi Anda, asalkan ada orang lain yang menyampaikan keputusan akhir dan menanggung kemarahan yang menyusulnya.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rabu Kliwon folks think more and act less. They spend long evenings turning a single question over and over, and their conclusions are often deeper than anyone else&apos;s. Kliwon lends you an inward, searching mind that is drawn to philosophy, scripture and the hidden meaning of things. You make a fine scholar or adviser. The trouble is that good chances may pass while you are still thinking. Give yourself a deadline for every decision. Your notebooks fill up unread; one student or a study circle gives them a home.</source>
        <translation>Orang Rabu Kliwon lebih banyak berpikir daripada bertindak. Mereka menghabiskan malam panjang membolak-balik satu pertanyaan, dan kesimpulannya sering lebih dalam daripada milik siapa pun. Kliwon memberi Anda pikiran yang menyelam ke dalam dan terus mencari, tertarik pada filsafat, kitab suci, dan makna tersembunyi segala hal. Anda cocok menjadi cendekiawan atau penasihat. Masalahnya, kesempatan baik bisa lewat selagi Anda masih menimbang. Tetapkan tenggat untuk setiap keputusan. Buku catatan Anda penuh tetapi tak dibaca; seorang murid atau kelompok kajian bisa menjadi rumahnya.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kamis Legi folks generally live in their lofty visions and noble causes. They picture a fairer village, a cleaner river, a school where none yet stands, and they talk about it so warmly that others catch the fire. Jupiter, the planet of Thursday, gives you a hopeful view, and people follow you into work they would not start alone. Practical details bore you, so you leave the budget and permits to others. Find a down-to-earth partner who can turn your visions into bricks and schedules. You are often poorer than the projects you start. When a plan fails, you mourn briefly, then dream up a better one.</source>
        <translation>Orang Kemis Legi umumnya hidup dalam cita-cita tinggi dan perjuangan mulia. Mereka membayangkan desa yang lebih adil, sungai yang lebih bersih, sekolah yang belum berdiri, lalu membicarakannya begitu hangat hingga orang lain ikut tersulut. Jupiter, planet hari Kemis, memberi Anda pandangan optimistis, dan orang mengikuti Anda dalam kerja yang tak akan mereka mulai sendiri. Hal praktis membosankan Anda, jadi anggaran dan izin Anda serahkan ke orang lain. Carilah rekan yang membumi untuk mengubah angan-angan Anda menjadi batu bata dan jadwal. Anda sering lebih miskin daripada proyek yang Anda rintis. Bila rencana gagal, Anda bersedih sebentar, lalu memimpikan yang lebih baik.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are ambitious and determined. You are so very used to getting your own way that defeat strikes you like an insult. Kemis Pahing folks climb fast in business, politics and sport, driven by the heat of Pahing and a keen competitive eye. You set a target, gather allies and push hard until it is reached. You love any scoreboard: sales figures, votes or rankings. Real success for you includes a few friends who do not work for you.</source>
        <translation>Anda ambisius dan berkemauan keras. Anda begitu terbiasa mendapat apa yang Anda mau sehingga kekalahan terasa bagai hinaan. Orang Kemis Pahing cepat menanjak dalam bisnis, politik, dan olahraga, didorong panasnya Pahing dan naluri bersaing yang tajam. Anda menetapkan sasaran, menghimpun sekutu, dan mendorong kuat sampai tercapai. Anda suka papan skor apa pun: angka penjualan, perolehan suara, atau peringkat. Bagi Anda, sukses sejati mencakup beberapa sahabat yang tak bekerja untuk Anda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are born with high ideals and respectable goals. You want a good education, a steady job and a reputation your parents can boast about at every family gathering. Kemis Pon people set themselves strict rules of conduct and keep them, which earns them trust in government, medicine and teaching. Diplomas hang framed on your wall, and you study long after school. You can be hard on those who fall short of your standards, and on yourself most of all. Tell your children you are proud of them.</source>
        <translation>Anda terlahir dengan cita-cita luhur dan tujuan terhormat. Anda ingin pendidikan yang baik, pekerjaan tetap, dan reputasi yang bisa dipamerkan orang tua setiap kumpul keluarga. Orang Kemis Pon menetapkan aturan perilaku yang ketat bagi diri sendiri dan menaatinya, sehingga mereka dipercaya di pemerintahan, kedokteran, dan pendidikan. Ijazah berbingkai menghiasi dinding, dan Anda terus belajar lama setelah lulus. Anda bisa keras pada orang yang tak memenuhi standar Anda, terlebih pada diri sendiri. Katakan kepada anak-anak bahwa Anda bangga pada mereka.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kemis Wage people are the well-known dreamers of the zodiac. Your head is full of songs, stories and pictures, and you may drift off mid-conversation to follow one. Wayang tales, batik patterns and poems often come to you half-finished in the night, so keep a lamp and paper by the bed. Practical life is harder: you lose keys, forget to pay bills and arrive late at meetings with a charming apology. You are a romantic and faithful lover, though you sometimes love an idea of a person more than the person. Keep your old drafts, since your best pieces are often finished years after they were started, once the idea finds its shape.</source>
        <translation>Orang Kemis Wage adalah pemimpi termasyhur di antara semua weton. Kepala Anda penuh lagu, cerita, dan gambar, dan di tengah percakapan Anda bisa melamun mengikuti salah satunya. Kisah wayang, motif batik, dan puisi sering datang setengah jadi di malam hari, jadi sediakan lampu dan kertas di samping tempat tidur. Urusan sehari-hari lebih sulit: Anda kehilangan kunci, lupa membayar tagihan, dan terlambat ke rapat dengan permintaan maaf yang memikat. Anda kekasih yang romantis dan setia, meski kadang lebih mencintai bayangan tentang seseorang daripada orangnya sendiri. Simpanlah draf lama Anda, karena karya terbaik Anda sering rampung bertahun-tahun setelah dimulai, ketika gagasannya menemukan bentuk.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You always plan to get the big things of life. A modest salary and a small house will never satisfy Kemis Kliwon folks; they dream of a large estate, a thriving business or a name remembered long after they are gone. With Kliwon&apos;s sharp intuition you often sense the right moment to buy, build or move, and your bold bets can pay off richly. Yet you also risk more than is wise, and your life may swing between plenty and want. Keep a reserve you never touch. You are generous when rich, paying for a niece&apos;s wedding or a mosque&apos;s roof. In lean years you sell the car, never the land. Your plans are often too large for one lifetime, so write them down for your children.</source>
        <translation>Anda selalu berencana meraih hal-hal besar dalam hidup. Gaji sederhana dan rumah kecil tak akan memuaskan orang Kemis Kliwon; mereka memimpikan tanah luas, usaha yang maju pesat, atau nama yang dikenang lama setelah mereka tiada. Dengan intuisi Kliwon yang tajam, Anda sering merasakan saat yang tepat untuk membeli, membangun, atau pindah, dan taruhan berani Anda bisa berbuah melimpah. Namun Anda juga mengambil risiko melebihi batas bijak, sehingga hidup Anda bisa berayun antara cukup dan kurang. Simpanlah cadangan yang tak pernah disentuh. Saat kaya Anda dermawan, membiayai pernikahan keponakan atau atap masjid. Di tahun paceklik Anda menjual mobil, tak pernah tanah. Rencana Anda sering terlalu besar untuk satu masa hidup, jadi tuliskan untuk anak-anak Anda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Jumat Legi folks are well known for their honesty and their devotion. Friday prayer and Legi sweetness pull you toward a simpler life. You keep your promises, pay your debts on time and return change when a shopkeeper gives too much. Such sincerity wins you trust, and people leave their children, their keys and their secrets in your care. Duties at the house of worship, from sweeping the yard to leading prayer, often fall to you. You can be naive about those who lack your scruples. Be kind, but read the contract before you sign it.</source>
        <translation>Kejujuran dan ketaatan beribadah adalah ciri khas orang Jumat Legi. Salat Jumat dan manisnya Legi menuntun Anda ke hidup yang lebih sederhana. Anda menepati janji, membayar utang tepat waktu, dan mengembalikan uang bila penjaga toko memberi kembalian terlalu banyak. Ketulusan itu membuat Anda dipercaya, dan orang menitipkan anak, kunci, dan rahasia mereka kepada Anda. Tugas di rumah ibadah, dari menyapu halaman sampai memimpin doa, sering jatuh kepada Anda. Anda bisa terlalu lugu terhadap orang yang hati nuraninya tak sebersih Anda. Tetaplah baik hati, tetapi bacalah kontrak sebelum menandatanganinya.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are a communicative person with an honest heart and a lively voice. Jumat Pahing people love to tell stories, pass on news and explain things, and they shine as traders, radio hosts, reporters and guides. You can explain a bus route, a recipe or a law so clearly that a child could follow it. Pahing&apos;s heat shows in debate: a chat about sport can become a shouting match. Let a critic finish speaking before you answer. Your phone holds more contacts than anyone&apos;s in the family.</source>
        <translation>Anda komunikatif, dengan hati yang jujur dan suara yang bersemangat. Orang Jumat Pahing senang bercerita, menyebarkan kabar, dan menjelaskan banyak hal, dan mereka bersinar sebagai pedagang, penyiar radio, wartawan, dan pemandu. Anda bisa menjelaskan rute bus, resep, atau undang-undang begitu jelas sehingga anak kecil pun paham. Panasnya Pahing tampak saat berdebat: obrolan soal olahraga bisa menjadi adu teriak. Biarkan pengkritik selesai bicara sebelum Anda menjawab. Kontak di ponsel Anda lebih banyak daripada milik siapa pun di keluarga.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>According to the myth of Javanese astrology, Jumat Pon people are blessed with a cool head and a gift for growing things. Chillies and orchids thrive in your care, and neighbours bring you sick plants. When a pan catches fire, you act first, speaking softly. Your fortune tends to ripen in middle age, after years of steady work. Do not envy faster friends; your harvest will come.</source>
        <translation>Menurut mitos astrologi Jawa, orang Jumat Pon dikaruniai kepala dingin dan bakat menumbuhkan tanaman. Cabai dan anggrek subur di tangan Anda, dan tetangga membawa tanaman mereka yang sakit kepada Anda. Saat wajan terbakar, Anda yang pertama bertindak, sambil berbicara lembut. Rezeki Anda cenderung matang di usia paruh baya, setelah bertahun-tahun bekerja tekun. Jangan iri pada teman yang lebih cepat berhasil; panen Anda pasti tiba.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Jumat Wage folks are well known for their honesty and their thrift. They mend rather than replace, save a little from every wage and would sooner eat plain rice than take a loan. Employers trust them with the cash box, and many serve as treasurers of mosques, co-operatives and village funds. You build your home one room at a time, paying cash for every bag of cement, living in it as it grows. The same caution can become stinginess, and your family may wish you would sometimes spend on a treat. New shoes for a child&apos;s birthday will not ruin you. In friendship you are quiet but reliable, and you never forget a loan, whether you gave or received it.</source>
        <translation>Orang Jumat Wage terkenal jujur dan hemat. Mereka lebih suka memperbaiki daripada mengganti, menyisihkan sedikit dari setiap upah, dan lebih rela makan nasi putih saja daripada berutang. Majikan memercayakan kotak uang kepada mereka, dan banyak yang menjadi bendahara masjid, koperasi, atau kas desa. Anda membangun rumah kamar demi kamar, membayar tunai setiap sak semen, dan menempatinya sambil terus menambahnya. Kehati-hatian itu bisa menjadi kikir, dan keluarga Anda mungkin berharap sesekali Anda mau berbelanja untuk bersenang-senang. Sepatu baru untuk ulang tahun anak tak akan membuat Anda bangkrut. Dalam persahabatan Anda pendiam tetapi dapat diandalkan, dan tak pernah lupa pada utang-piutang, baik yang Anda beri maupun yang Anda terima.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is your patience and generosity that makes people like you so much. You sit with the sick and lend your best sarong without asking for it back. The eve of Jumat Kliwon is the most sacred night of the Javanese week, and folk belief gives those born on it a close bond with the spirit world. Friends seek your blessing before long journeys. Old wells and empty houses never frighten you; you greet them politely.</source>
        <translation>Kesabaran dan kemurahan hati Andalah yang membuat orang begitu menyukai Anda. Anda menemani orang sakit dan meminjamkan sarung terbaik tanpa meminta kembali. Bagi orang Jawa, malam Jumat Kliwon adalah malam paling keramat dalam sepekan, dan kepercayaan rakyat memberi yang lahir pada malam itu ikatan erat dengan alam roh. Sahabat meminta restu Anda sebelum bepergian jauh. Sumur tua dan rumah kosong tak pernah menakutkan Anda; Anda menyapa keduanya dengan sopan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Born under this sign of Javanese astrology, you are a natural organiser with a gentle touch. Sabtu Legi people like order, clear plans and work done on time, yet they guide others with patience instead of shouting. You make a good foreman, headmaster or head of a family, and your juniors remember you fondly for years. Responsibility comes to you early, often as the eldest child or the one who cares for ageing parents. You rarely complain, but you do tire. Let a younger sibling or a deputy run things for a week now and then; they learn, and you sleep.</source>
        <translation>Lahir di bawah tanda astrologi Jawa ini, Anda pengatur alami yang bertangan lembut. Orang Sabtu Legi menyukai keteraturan, rencana yang jelas, dan pekerjaan yang selesai tepat waktu, tetapi membimbing orang dengan sabar, bukan bentakan. Anda cocok menjadi mandor, kepala sekolah, atau kepala keluarga, dan bawahan mengenang Anda dengan sayang bertahun-tahun. Tanggung jawab datang sejak dini, sering sebagai anak sulung atau yang merawat orang tua yang menua. Anda jarang mengeluh, tetapi bisa lelah. Sesekali biarkan adik atau wakil memegang kendali selama seminggu; mereka belajar, Anda tidur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are a real stubborn and red-head fellow! But quite a fair one, for your anger is always aimed at injustice rather than at the weak. Sabtu Pahing people carry the red fire of Pahing and the heavy will of Saturday, and once they dig in their heels, nothing moves them. In a flood or fire you run toward danger while others run away. Soldiers, policemen and firefighters are often born on this weton. Saturn, the slow planet of Saturday, makes you patient in a long fight for a wrong done to your family. The old and young of your street know whose door to run to in trouble.</source>
        <translation>Anda sungguh keras kepala dan gampang naik darah! Namun cukup adil, sebab amarah Anda selalu tertuju pada ketidakadilan, bukan pada yang lemah. Orang Sabtu Pahing membawa api merah Pahing dan kehendak berat hari Sabtu, dan begitu bertahan pada pendirian, tak ada yang bisa menggoyahkan mereka. Saat banjir atau kebakaran, Anda berlari ke arah bahaya ketika orang lain berlari menjauh. Tentara, polisi, dan pemadam kebakaran sering lahir pada weton ini. Saturnus, planet hari Sabtu yang lamban, membuat Anda sabar dalam perjuangan panjang membela keluarga yang dizalimi. Tua dan muda di jalan tempat Anda tinggal tahu pintu siapa yang dituju saat ada masalah.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are an egoistic person with a high self-respect. You like to be seen, praised and consulted, and you feel slighted when a decision is made without you. Sabtu Pon people often become performers, speakers or heads of organisations, for they love a crowd. You have good taste and spend freely on clothes, cars and a handsome house. Criticism stings you deeply, even when old friends offer it kindly. Too proud to apologise, you may let quarrels drag on for years. Beware of flatterers: a rival who praises you in public can win favours that a friend asking in private never could.</source>
        <translation>Anda egois dengan harga diri yang tinggi. Anda senang dilihat, dipuji, dan dimintai pendapat, dan merasa diremehkan bila keputusan diambil tanpa Anda. Orang Sabtu Pon sering menjadi penampil, pembicara, atau ketua organisasi, karena mereka suka keramaian. Selera Anda bagus dan Anda royal berbelanja pakaian, mobil, dan rumah yang megah. Kritik sangat menyakitkan bagi Anda, bahkan bila disampaikan halus oleh sahabat lama. Terlalu gengsi untuk meminta maaf, Anda bisa membiarkan pertengkaran berlarut-larut bertahun-tahun. Waspadai penjilat: pesaing yang memuji Anda di depan umum bisa memperoleh kemurahan yang tak akan didapat sahabat yang meminta secara pribadi.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are &apos;forceful&apos; and &apos;dynamic&apos;. The Sabtu Wage folks are always on the move, starting a shop here, a workshop there and a new venture before the last one is finished. Many of these folks leave their home village to seek their fortune in Jakarta, Surabaya or abroad, and they usually come back with something to show for it. You sell, hire and bargain at speed, often on the phone while you eat. Slower people may feel pushed aside, and your family may complain that they hardly see you. When a venture fails, you sell the stock, pay the workers and open something new within the month. Slow down on Saturdays, and spend the day with the family you are working so hard for.</source>
        <translation>Anda &apos;tegas&apos; dan &apos;dinamis&apos;. Orang Sabtu Wage selalu bergerak, membuka toko di sini, bengkel di sana, dan usaha baru sebelum yang lama rampung. Banyak di antara mereka merantau meninggalkan kampung halaman untuk mengadu nasib di Jakarta, Surabaya, atau luar negeri, dan biasanya pulang membawa hasil yang nyata. Anda berjualan, merekrut pekerja, dan menawar dengan cepat, sering sambil menelepon ketika makan. Orang yang lebih lamban mungkin merasa tersisih, dan keluarga Anda mungkin mengeluh jarang bertemu Anda. Bila sebuah usaha gagal, Anda menjual stok barang, membayar para pekerja, dan membuka usaha baru dalam sebulan. Pelan-pelanlah di hari Sabtu, dan habiskan hari itu bersama keluarga yang Anda perjuangkan dengan kerja keras.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are an overall impressive personality. It is because of a certain quiet authority, which the Javanese call wibawa, that people fall silent when you enter a room. Sabtu Kliwon folks rarely need to raise their voices; a look is usually enough. The strength of Saturday and the mystic depth of Kliwon combine in you, and many sense your words carry a weight beyond ordinary speech. You are often chosen to lead, to judge or to bless a new undertaking. Such respect can isolate you, since few dare tell you the plain truth. Keep one friend who will argue with you. Your silences are read as verdicts, so say it clearly when you simply have no opinion.</source>
        <translation>Secara keseluruhan, kepribadian Anda mengesankan. Ada semacam kuasa tenang dalam diri Anda, yang oleh orang Jawa disebut wibawa, sehingga orang terdiam saat Anda masuk ruangan. Orang Sabtu Kliwon jarang perlu meninggikan suara; satu tatapan biasanya cukup. Kekuatan hari Sabtu dan kedalaman mistis Kliwon berpadu dalam diri Anda, dan banyak yang merasa kata-kata Anda berbobot melampaui ucapan biasa. Anda sering dipilih untuk memimpin, menimbang perkara, atau memberkati usaha baru. Penghormatan itu bisa membuat Anda terasing, sebab sedikit yang berani berterus terang kepada Anda. Peliharalah satu sahabat yang mau berdebat dengan Anda. Diamnya Anda dibaca sebagai putusan, jadi katakan dengan jelas bila Anda memang tak punya pendapat.</translation>
    </message>
</context>
<context>
    <name>oriastra::BirthDetailsPanel</name>
    <message>
        <location filename="../src/common/windows/BirthDetailsPanel.cpp" line="+39"/>
        <source>Personal Details</source>
        <translation>Data Pribadi</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+57"/>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Date of Birth</source>
        <translation>Tanggal Lahir</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+37"/>
        <source>Sex</source>
        <translation>Jenis Kelamin</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>The name of the person the reading is for</source>
        <translation>Nama orang yang diramal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Month of birth</source>
        <translation>Bulan lahir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date of Birth: the month</source>
        <translation>Tanggal Lahir: bulan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day of birth</source>
        <translation>Tanggal lahir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date of Birth: the day of the month</source>
        <translation>Tanggal Lahir: tanggal dalam bulan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year of birth</source>
        <translation>Tahun lahir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date of Birth: the year</source>
        <translation>Tanggal Lahir: tahun</translation>
    </message>
</context>
<context>
    <name>oriastra::BurmeseChartFrame</name>
    <message>
        <location filename="../src/burmese/windows/BurmeseChartFrame.cpp" line="+183"/>
        <source>House %1, %2: %3</source>
        <translation>Rumah %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>oriastra::InputWindow</name>
    <message>
        <location filename="../src/common/windows/InputWindow.cpp" line="+22"/>
        <source>Birth details for your %1 reading</source>
        <translation>Data kelahiran untuk ramalan %1 Anda</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select the source file</source>
        <translation>Pilih berkas sumber</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Buka &amp;Ramalan Tersimpan</translation>
    </message>
    <message>
        <location filename="../src/common/windows/InputWindow.h" line="+22"/>
        <source>Opens a reading saved before and calculates it again</source>
        <translation>Membuka ramalan tersimpan dan menghitungnya ulang</translation>
    </message>
</context>
<context>
    <name>oriastra::ReadingWindow</name>
    <message>
        <location filename="../src/common/windows/ReadingWindow.cpp" line="+12"/>
        <source>Your %1 reading</source>
        <translation>Ramalan %1 Anda</translation>
    </message>
    <message>
        <location filename="../src/common/windows/ReadingWindow.h" line="+18"/>
        <source>Closes the reading and goes back to the birth details as you entered them</source>
        <translation>Menutup ramalan dan kembali ke data kelahiran yang Anda masukkan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the report, where the reading is saved or printed</source>
        <translation>Membuka laporan, tempat ramalan disimpan atau dicetak</translation>
    </message>
</context>
<context>
    <name>oriastra::ReportWindow</name>
    <message>
        <location filename="../src/common/windows/ReportWindow.cpp" line="+26"/>
        <source>Your %1 report, to save or print</source>
        <translation>Laporan %1 Anda untuk disimpan atau dicetak</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report</source>
        <translation>Laporan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your reading, laid out for printing</source>
        <translation>Ramalan Anda, ditata untuk dicetak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saves your birth details to a file, to open the reading again later</source>
        <translation>Menyimpan data kelahiran Anda ke berkas agar ramalan dapat dibuka lagi nanti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Prints the report</source>
        <translation>Mencetak laporan</translation>
    </message>
</context>
<context>
    <name>oriastra::TraditionWindow</name>
    <message>
        <location filename="../src/common/windows/TraditionWindow.cpp" line="+29"/>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>E&amp;xit</source>
        <translation>Ke&amp;luar</translation>
    </message>
</context>
<context>
    <name>oriastra::frmAbout</name>
    <message>
        <location filename="../src/common/windows/frmAbout.cpp" line="-20"/>
        <source>Kestrin Oriastra icon</source>
        <translation>Ikon Kestrin Oriastra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The program&apos;s icon</source>
        <translation>Ikon program</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Peluang Usaha Rumahan. Mulai bisnis Internet Anda sendiri dan hasilkan uang secara daring. Dapatkan program ini sepenuhnya bermerek situs web Anda. </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes this window</source>
        <translation>Menutup jendela ini</translation>
    </message>
</context>
<context>
    <name>oriastra::frmAfricanAstrologyDisplay</name>
    <message>
        <location filename="../src/african/windows/frmAfricanAstrologyDisplay.cpp" line="+53"/>
        <source>Kestrin African Astrology</source>
        <translation>Kestrin Astrologi Afrika</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+9"/>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>African Astrology Symbol</source>
        <translation>Simbol Astrologi Afrika</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Element</source>
        <translation>Elemen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lucky Day</source>
        <translation>Hari Baik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most Successful Months</source>
        <translation>Bulan Paling Sukses</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body Parts</source>
        <translation>Bagian Tubuh</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your African sign</source>
        <translation>Tanda Afrika Anda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About your sign</source>
        <translation>Tentang tanda Anda</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Picture of your African sign</source>
        <translation>Gambar tanda Afrika Anda</translation>
    </message>
</context>
<context>
    <name>oriastra::frmAfricanAstrologyMain</name>
    <message>
        <location filename="../src/african/windows/frmAfricanAstrologyMain.cpp" line="+17"/>
        <source>Kestrin African Astrology</source>
        <translation>Kestrin Astrologi Afrika</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Corvane welcomes you all to Kestrin Free African Astrology. The program is one of the best and most comprehensive online astrological resources for those interested in exploring the astrological culture and the zodiacs of the African civilization. The astrological cultures of Africa are something about which not much is really known about. Kestrin Free African Astrology aims to help you explore these unknown facets of astrology.</source>
        <translation>Corvane menyambut Anda semua di Kestrin Astrologi Afrika Gratis. Program ini adalah salah satu sumber astrologi daring terbaik dan terlengkap bagi mereka yang ingin menjelajahi budaya astrologi dan zodiak peradaban Afrika. Budaya astrologi Afrika belum banyak diketahui. Kestrin Astrologi Afrika Gratis hadir untuk membantu Anda menjelajahi sisi astrologi yang belum dikenal ini.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Just input your name and date of birth and generate your African Astrological Reading!</source>
        <translation>Cukup masukkan nama dan tanggal lahir Anda, lalu dapatkan Ramalan Astrologi Afrika Anda!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Get My &amp;African Astrology Sign</source>
        <translation>Lihat Tanda Astrologi &amp;Afrika Saya</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Shows your African sign for the details above</source>
        <translation>Menampilkan tanda Afrika Anda untuk data di atas</translation>
    </message>
</context>
<context>
    <name>oriastra::frmAfricanAstrologySave</name>
    <message>
        <location filename="../src/african/windows/frmAfricanAstrologySave.cpp" line="+19"/>
        <source>Kestrin African Astrology</source>
        <translation>Kestrin Astrologi Afrika</translation>
    </message>
</context>
<context>
    <name>oriastra::frmArabicAstrologyDisplay</name>
    <message>
        <location filename="../src/arabic/windows/frmArabicAstrologyDisplay.cpp" line="+57"/>
        <source>Kestrin Arabic Astrology</source>
        <translation>Kestrin Astrologi Arab</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>E&amp;xit</source>
        <translation>Ke&amp;luar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Closes the reading and the birth details</source>
        <translation>Menutup ramalan dan data kelahiran</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Kestrin Arabic Astrology Result</source>
        <translation>Hasil Kestrin Astrologi Arab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>English Sun Sign</source>
        <translation>Zodiak (Inggris)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arabic Sun Sign</source>
        <translation>Zodiak Arab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phonetic</source>
        <translation>Fonetik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Urdu Name</source>
        <translation>Nama Urdu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your sign&apos;s name in Urdu script</source>
        <translation>Nama tanda Anda dalam aksara Urdu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Picture of your zodiac sign</source>
        <translation>Gambar zodiak Anda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About your sign</source>
        <translation>Tentang tanda Anda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read-only description of your zodiac sign</source>
        <translation>Keterangan hanya-baca tentang zodiak Anda</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 written in Urdu</source>
        <translation>%1 dalam aksara Urdu</translation>
    </message>
</context>
<context>
    <name>oriastra::frmArabicAstrologyMain</name>
    <message>
        <location filename="../src/arabic/windows/frmArabicAstrologyMain.cpp" line="+31"/>
        <source>Kestrin Arabic Astrology</source>
        <translation>Kestrin Astrologi Arab</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do you want to know your Arabic zodiac sign? Then what are you waiting for? Just enter your date of birth and get your result!</source>
        <translation>Ingin tahu zodiak Arab Anda? Tunggu apa lagi? Cukup masukkan tanggal lahir Anda dan dapatkan hasilnya!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Get My Arabic Astrology Sign</source>
        <translation>&amp;Lihat Tanda Astrologi Arab Saya</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shows your Arabic zodiac sign for the date above</source>
        <translation>Menampilkan zodiak Arab Anda untuk tanggal di atas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Periksa Pembaruan Program</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Buka &amp;Ramalan Tersimpan</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Takes the date of birth from a Kestrin Free Numerology Pro file</source>
        <translation>Mengambil tanggal lahir dari berkas Kestrin Free Numerology Pro</translation>
    </message>
</context>
<context>
    <name>oriastra::frmBurmeseAstrologyDisplay</name>
    <message>
        <location filename="../src/burmese/windows/frmBurmeseAstrologyDisplay.cpp" line="+87"/>
        <source>Kestrin Burmese Astrology</source>
        <translation>Kestrin Astrologi Burma</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Chart pages</source>
        <translation>Halaman bagan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left and Right choose between the chart and its interpretation</source>
        <translation>Tombol Kiri dan Kanan memilih antara bagan dan tafsirannya</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burmese Astrology Chart</source>
        <translation>Bagan Astrologi Burma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Burmese Astrology Interpretation</source>
        <translation>Tafsiran Astrologi Burma</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+14"/>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Periksa Pembaruan Program</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Your Day Of Birth</source>
        <translation>Hari Lahir Anda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lucky Direction</source>
        <translation>Arah Keberuntungan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Characteristic Traits</source>
        <translation>Sifat Dasar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About your birth day planet</source>
        <translation>Tentang planet hari lahir Anda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Birth Day Planet</source>
        <translation>Planet Hari Lahir Anda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About your animal sign</source>
        <translation>Tentang lambang hewan Anda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animal Sign</source>
        <translation>Lambang Hewan</translation>
    </message>
</context>
<context>
    <name>oriastra::frmBurmeseAstrologyMain</name>
    <message>
        <location filename="../src/burmese/windows/frmBurmeseAstrologyMain.cpp" line="+23"/>
        <source>Kestrin Burmese Astrology</source>
        <translation>Kestrin Astrologi Burma</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kestrin Burmese Astrology is an unique zodiac interpretation software which helps you to find your Burmese day sign based on your date of birth. Know More about your day sign, the planet that rules your day and your animal sign.</source>
        <translation>Kestrin Astrologi Burma adalah program tafsir zodiak unik yang membantu Anda menemukan tanda hari Burma Anda berdasarkan tanggal lahir. Kenali lebih jauh tanda hari Anda, planet yang menguasai hari Anda, dan lambang hewan Anda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Just input your name and date of birth and get a Reading Now!</source>
        <translation>Cukup masukkan nama dan tanggal lahir Anda, lalu dapatkan Ramalan Sekarang!</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>Get My &amp;Burmese Astrology Chart</source>
        <translation>Lihat Bagan Astrologi B&amp;urma Saya</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Shows your Burmese chart and its interpretation for the details above</source>
        <translation>Menampilkan bagan Burma Anda beserta tafsirannya untuk data di atas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click Here To Open Previously Saved Burmese Interpretation</source>
        <translation>Klik di Sini untuk Membuka Tafsiran Burma Tersimpan</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open Previously Saved Burmese Interpretation</source>
        <translation>Buka Tafsiran Burma Tersimpan</translation>
    </message>
</context>
<context>
    <name>oriastra::frmBurmeseAstrologySave</name>
    <message>
        <location filename="../src/burmese/windows/frmBurmeseAstrologySave.cpp" line="+20"/>
        <source>Kestrin Burmese Astrology</source>
        <translation>Kestrin Astrologi Burma</translation>
    </message>
</context>
<context>
    <name>oriastra::frmIndonesianAstrologyDisplay</name>
    <message>
        <location filename="../src/indonesian/windows/frmIndonesianAstrologyDisplay.cpp" line="+43"/>
        <source>Kestrin Indonesian Astrology</source>
        <translation>Kestrin Astrologi Indonesia</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Indonesian Day Sign:</source>
        <translation>Pasaran:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Indonesian Weekday:</source>
        <translation>Hari:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>English Weekday</source>
        <translation>Hari (Inggris)</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Indonesian Day Sign</source>
        <translation>Pasaran</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Indonesian Weekday</source>
        <translation>Hari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your weton&apos;s reading</source>
        <translation>Ramalan weton Anda</translation>
    </message>
</context>
<context>
    <name>oriastra::frmIndonesianAstrologyMain</name>
    <message>
        <location filename="../src/indonesian/windows/frmIndonesianAstrologyMain.cpp" line="+17"/>
        <source>Kestrin Indonesian Astrology</source>
        <translation>Kestrin Astrologi Indonesia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Welcome to Kestrin Free Indonesian Astrology. Kestrin Free Indonesian Astrology is one of the best and most comprehensive online astrological resource for those interested in exploring the astrological culture and the zodiacs of the Indonesian civilization. </source>
        <translation>Selamat datang di Kestrin Astrologi Indonesia Gratis. Kestrin Astrologi Indonesia Gratis adalah salah satu sumber astrologi daring terbaik dan terlengkap bagi mereka yang ingin menjelajahi budaya astrologi dan zodiak peradaban Indonesia. </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Just input your name and date of birth and generate your Javanese / Indonesian astrological reading!</source>
        <translation>Cukup masukkan nama dan tanggal lahir Anda, lalu dapatkan ramalan astrologi Jawa / Indonesia Anda!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>Find My &amp;Indonesian Birthday (Weton)</source>
        <translation>Cari &amp;Weton Saya</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Shows your weton and its reading for the details above</source>
        <translation>Menampilkan weton Anda beserta ramalannya untuk data di atas</translation>
    </message>
</context>
<context>
    <name>oriastra::frmIndonesianAstrologySave</name>
    <message>
        <location filename="../src/indonesian/windows/frmIndonesianAstrologySave.cpp" line="+16"/>
        <source>Kestrin Indonesian Astrology</source>
        <translation>Kestrin Astrologi Indonesia</translation>
    </message>
</context>
<context>
    <name>oriastra::frmMDI</name>
    <message>
        <location filename="../src/shell/windows/frmMDI.cpp" line="+152"/>
        <source>Picture of %1</source>
        <translation>Gambar %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Opens %1; any tradition window still open is closed</source>
        <translation>Membuka %1; jendela tradisi lain yang masih terbuka akan ditutup</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Closes every window and ends the program</source>
        <translation>Menutup semua jendela dan mengakhiri program</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Welcome to Kestrin Oriastra</source>
        <translation>Selamat Datang di Kestrin Oriastra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kestrin Oriastra includes the following programs</source>
        <translation>Kestrin Oriastra berisi program-program berikut</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Opens %1, as its button does</source>
        <translation>Membuka %1, sama seperti tombolnya</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>Ke&amp;luar</translation>
    </message>
</context>
<context>
    <name>oriastra::frmTibetanAstrologyDisplay</name>
    <message>
        <location filename="../src/tibetan/windows/frmTibetanAstrologyDisplay.cpp" line="+49"/>
        <source>Read-only text. From the page tabs, Down moves the focus here to scroll, select and copy</source>
        <translation>Teks hanya-baca. Dari tab halaman, tombol Bawah memindahkan fokus ke sini untuk menggulir, memilih, dan menyalin</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Kestrin Tibetan Astrology</source>
        <translation>Kestrin Astrologi Tibet</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Tibetan Astrology</source>
        <translation>Astrologi Tibet</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+33"/>
        <source>Tibetan Sun Sign</source>
        <translation>Zodiak Tibet</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Tibetan Animal Sign</source>
        <translation>Lambang Hewan Tibet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading pages</source>
        <translation>Halaman ramalan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left and Right choose a page; Down moves into its text</source>
        <translation>Tombol Kiri dan Kanan memilih halaman; tombol Bawah masuk ke teksnya</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+2"/>
        <location line="+32"/>
        <source>Your Tibetan Sun Sign</source>
        <translation>Zodiak Tibet Anda</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+3"/>
        <source>Your Translation of Tibetan Sun Sign</source>
        <translation>Terjemahan Zodiak Tibet Anda</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Tranlation</source>
        <translation>Terjemahan</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Element Name</source>
        <translation>Nama Elemen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Your Tibetan Element</source>
        <translation>Elemen Tibet Anda</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>About your element</source>
        <translation>Tentang elemen Anda</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Western Sun Sign</source>
        <translation>Zodiak Barat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Western Sun Sign</source>
        <translation>Zodiak Barat Anda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About your sun sign</source>
        <translation>Tentang zodiak Anda</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture of your Tibetan sun sign</source>
        <translation>Gambar zodiak Tibet Anda</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Picture of your Tibetan animal sign</source>
        <translation>Gambar lambang hewan Tibet Anda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Animal Sun Sign</source>
        <translation>Lambang Hewan</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Your Tibetan Animal Sign</source>
        <translation>Lambang Hewan Tibet Anda</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>About your animal sign</source>
        <translation>Tentang lambang hewan Anda</translation>
    </message>
</context>
<context>
    <name>oriastra::frmTibetanAstrologyMain</name>
    <message>
        <location filename="../src/tibetan/windows/frmTibetanAstrologyMain.cpp" line="+13"/>
        <source>Kestrin Tibetan Astrology</source>
        <translation>Kestrin Astrologi Tibet</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Get My Tibetan &amp;Astrology Result</source>
        <translation>Lihat Hasil &amp;Astrologi Tibet Saya</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Shows your Tibetan reading for the details above</source>
        <translation>Menampilkan ramalan Tibet Anda untuk data di atas</translation>
    </message>
</context>
<context>
    <name>oriastra::frmTibetanAstrologySave</name>
    <message>
        <location filename="../src/tibetan/windows/frmTibetanAstrologySave.cpp" line="+17"/>
        <source>Kestrin Tibetan Astrology</source>
        <translation>Kestrin Astrologi Tibet</translation>
    </message>
</context>
</TS>
