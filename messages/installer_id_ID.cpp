// Indonesian texts of the installer messages.
// Loaded after the English table, so each text here replaces the English text of its key;
// the English-only keys are left out and keep their English texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Pemasang Zarni"},
    {"usage_cmd_list_tail",
     "Contoh:\n"
     "  Tampilkan daftar produk yang tersedia:\n"
     "    list\n"
     "  Tampilkan daftar rilis Zarni terbaru yang tersedia dengan tingkat default:\n"
     "    list %1%\n"
     "  Tampilkan daftar semua rilis Zarni yang tersedia:\n"
     "    list %1% all\n"
     "  Tampilkan rilis pratinjau Zarni terbaru yang tersedia (tingkat 'testing'):\n"
     "    list %1% testing\n"
     "  Tampilkan daftar komponen Zarni %2% (dipilih dengan ID produk dan versi):\n"
     "    list %1% %2% --components\n"
     "  Tampilkan daftar preset pemasangan Zarni %2% (dipilih dengan ID rilis):\n"
     "    list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Contoh:\n"
     "  Pasang kumpulan komponen yang direkomendasikan dari rilis Zarni terbaru\n"
     "  yang tersedia untuk umum:\n"
     "    install\n"
     "  Pasang rilis pratinjau Zarni terbaru yang tersedia:\n"
     "    install testing\n"
     "  Pasang Zarni %2% (dipilih dengan versi):\n"
     "    install %1% %2%\n"
     "  Pasang semua komponen Zarni tanpa dukungan Java dan webmail Horde\n"
     "  (rilis dipilih dengan ID):\n"
     "    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Contoh:\n"
     "  Upgrade ke Zarni %2% (dipilih dengan ID produk dan versi):\n"
     "    upgrade %1% %2%\n"
     "  Upgrade ke Zarni %2% (dipilih dengan ID rilis):\n"
     "    upgrade %3%\n"
     "  Upgrade ke rilis Zarni stabil terbaru yang tersedia:\n"
     "    upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Contoh:\n"
     "  Pasang pembaruan terbaru yang tersedia untuk semua produk yang terpasang:\n"
     "    update\n"
     "  Perbarui pemasangan Zarni:\n"
     "    update %1%\n"
     "  Pasang hanya pembaruan Zarni, jangan perbarui layanan lain yang dikelola\n"
     "  Zarni jika memungkinkan (hanya berlaku untuk produk '%1%'):\n"
     "    update --panel-only\n"},
    {"usage_selector",
     "Setiap SELECTOR adalah salah satu dari berikut:\n"
     "ID produk,            mis. '%1%'\n"
     "tingkat rilis,        mis. 'stable', atau 'all' tanpa filter tingkat\n"
     "versi rilis,          mis. '%2%'\n"
     "ID rilis,             mis. '%3%'\n"
     "\n"
     "Gunakan perintah 'list' untuk memeriksa selektor mana yang valid.\n"},
    {"usage_product",
     "PRODUCT adalah selektor ID produk, mis. '%1%'.\n"
     "Gunakan perintah 'list' untuk memeriksa ID produk mana yang valid.\n"},
    {"download_file", "Mengunduh file "},
    {"download_total_progress", "(%s dari %s) "},
    {"download_retry_progress", " (percobaan ulang %s dari %s)"},
    {"download_retry", "%s. Akan dicoba lagi dalam %s detik..."},
    {"progress_stage_init", "Pemasang Zarni telah dimulai"},
    {"progress_stage_prep", "Menyiapkan sistem"},
    {"progress_stage_resolv", "Menyelesaikan dependensi paket"},
    {"progress_stage_download", "Mengunduh paket"},
    {"dpkg_register_new_arch", "Mendaftarkan dukungan arsitektur %s"},
    {"examine_unpassed", "Validasi komponen dan produk menemukan sedikitnya satu masalah penting:"},
    {"examine_post_results", "Hasil pemeriksaan komponen dan produk:"},
    {"examine_signal", "Pemeriksaan diakhiri oleh sinyal %s."},
    {"examine_time_limit", "Pemeriksaan tidak selesai dalam %s detik dan dihentikan."},
    {"check_system_packages", "Memeriksa paket yang terpasang... "},
    {"read_system_packages", "Mengambil informasi tentang paket yang terpasang... "},
    {"status_not_locked", "Pemasang Zarni tidak sedang berjalan."},
    {"status_locked_by_another", "Operasi pembaruan dikunci oleh proses pembaruan lain."},
    {"status_daemon_launched", "Daemon Pemasang Zarni telah dijalankan."},
    {"status_busy", "Instans lain Pemasang Zarni sudah berjalan."},
    {"error_sys_stable", "Tidak semua paket berhasil dipasang."},
    {"error_sys_unsure", "Peringatan! Tidak semua paket berhasil dipasang.\nPeriksa apakah layanan sistem Anda masih berfungsi."},
    {"error_sys_broken", "Perhatian! Perangkat lunak Anda mungkin tidak berfungsi."},
    {"error_rep_none", ""},
    {"error_rep_again", "Coba pasang paket lagi nanti."},
    {"error_supp_none", "Selesaikan masalah ini, lalu coba pasang paket lagi."},
    {"components_allready_installed", "Versi terbaru produk dan semua komponen yang dipilih sudah terpasang. Pemasangan tidak akan dilanjutkan."},
    {"releases_no_avail",
     "Pemasangan tidak akan dilanjutkan karena sistem operasi Anda\n"
     "\"%s\" tidak didukung.\n"
     "\n"
     "Lihat catatan rilis Zarni untuk daftar lengkap\n"
     "sistem operasi yang didukung.\n"},
    {"insttypes_page_hdr1", "Pilih jenis pemasangan untuk %s"},
    {"components_page_body2", "Pilih komponen %s yang ingin Anda pasang:"},
    {"components_page_num_selected", "%s dari %s komponen dipilih"},
    {"options_page_body2", "Parameter untuk %s komponen perlu ditentukan.\n"},
    {"options_page_body5", "\nKomponen '%s': semua parameter wajib telah ditentukan.\n"},
    {"packages_page_body_install",
     "Ada %s paket yang diperlukan agar produk berfungsi dengan baik, yang\n"
     "tidak ditemukan di sistem Anda.\n"},
    {"packages_page_body_upgrade",
     "Ada %s paket yang perlu di-upgrade\n"
     "agar produk dapat dipasang.\n"},
    {"packages_page_body_remove", "Ada %s paket yang terpasang, tetapi akan dihapus.\n"},
    {"install_start", "Menerapkan perubahan ke sistem"},
    {"install_ok", "Perubahan berhasil diterapkan."},
    {"err_send_mail", "Peringatan: Gagal mengirim laporan pemasangan melalui email."},
    {"err_read_prodsinfo", "Gagal membaca informasi produk dari file "},
    {"warn_deprecated_option", "PERINGATAN: Opsi baris perintah '%s' tidak lagi digunakan dan akan diabaikan."},
    {"err_chk_md5", "Gagal menghitung checksum untuk file "},
    {"new_build_avail", "Peringatan: Build produk yang baru tersedia di server."},
    {"added_comps_by_deps", "Komponen berikut akan dipasang karena diperlukan oleh komponen yang Anda pilih:"},
    {"removed_comps_by_deps", "Komponen berikut akan dihapus karena bertentangan dengan komponen yang Anda pilih untuk dipasang atau memerlukan komponen yang Anda pilih untuk dihapus:"},
    {"err_dep_from_pkg_unresolved", "%s: Tidak ditemukan solusi yang cocok\nuntuk dependensi \"%s\".\n"},
    {"err_pkg_downgrade", "Tidak dapat menurunkan paket '%s' ke versi %s:\nversi %s saat ini terpasang."},
    {"err_pkg_clash", "Paket “%s” dan “%s” tidak dapat dipasang bersamaan"},
    {"err_pkg_fileconfl", "karena konflik dengan file \"%s\""},
    {"err_pkg_depconfl", "karena \"%s\" bertentangan dengan \"%s\"."},
    {"pkg_select_reason", "Paket \"%s\" dipilih karena dependensi berikut:"},
    {"pkg_select_depend", "    \"%s\" dari \"%s\""},
    {"deps_report_head", "Hal berikut dapat menyebabkan pemasangan gagal:"},
    {"deps_long_report", "Ditemukan juga masalah lain. Untuk keterangan lebih lanjut,\nlihat file log: %s.\n"},
    {"user_canceled", "Dihentikan oleh pengguna"},
    {"goto_webinterface_url", "\nAntarmuka web sekarang sudah berjalan.\n  Buka %s di browser Anda.\n\n"},
    {"upgrade_from_not_supported_versions", "Anda hanya dapat meng-upgrade %s ke %s atau versi sebelumnya. Jika Anda ingin meng-upgrade ke versi terbaru, baca artikel berikut: %s"},
    {"stop_already_stopped", "Pemasang Zarni tidak sedang berjalan."},
    {"stop_sent", "Permintaan untuk menghentikan Penginstal Zarni telah dikirim."},
    {"download_completed", "sudah diunduh"},
    {"download_done", "selesai"},
    {"download_all_done", "Semua file telah diunduh."},
    {"download_ext_catalog_feed", "Mengunduh feed Katalog Ekstensi..."},
    {"process_apt_get_update", "Memperbarui indeks paket APT..."},
    {"question_continue", "Apakah Anda ingin melanjutkan?"},
    {"question_show_settings",
     "Hal ini mungkin disebabkan oleh masalah pada sumber pemasangan, koneksi Anda, atau pengaturan pemasang.\n"
     "Pemasang akan keluar karena kesalahan yang tidak dapat dipulihkan.\n"
     "Apakah Anda ingin melihat pengaturan pemasang saat ini dan cara mengubahnya?"},
    {"examine_presetup", "Memeriksa komponen dan produk sebelum pemasangan"},
    {"examine_postsetup", "Memeriksa komponen dan produk setelah pemasangan"},
    {"examine_perform", "Memeriksa komponen dan produk..."},
    {"examine_skip_yesno",
     "Melanjutkan pemasangan atau upgrade tanpa menyelesaikan masalah\n"
     "yang ditemukan dapat merusak data Anda.\n"},
    {"wizard_current_settings", "Pengaturan saat ini:"},
    {"yesno_retry", "Ketik Y untuk ya atau N untuk tidak"},
    {"message_press_enter", "(tekan Enter untuk melanjutkan)"},
    {"releases_reporter_no_updates", "Tidak ada pembaruan yang tersedia."},
    {"releases_reporter_list_empty", "Tidak ada produk yang tersedia untuk dipasang."},
    {"releases_page_hdr", "Produk dan versi"},
    {"releases_page_body", "Versi produk berikut tersedia:"},
    {"releases_no_selected", "Tidak ada versi produk yang dipilih."},
    {"releases_upgrade_request1", "Versi produk "},
    {"releases_upgrade_request2",
     " sudah terpasang.\n"
     "Apakah Anda ingin meng-upgrade-nya?"},
    {"wizard_legend_header", "Tindakan yang tersedia:"},
    {"wizard_legend_f_forward", "(F) Lanjut"},
    {"wizard_legend_b_back", "(B) Kembali"},
    {"wizard_legend_q_quit", "(Q) Batalkan pemasangan"},
    {"wizard_legend_s_advanced_settings", "(S) Tampilkan pengaturan lanjutan"},
    {"wizard_legend_a_select_all", "(A) Pilih semua"},
    {"wizard_legend_d_deselect_all", "(D) Batalkan semua pilihan"},
    {"wizard_legend_f_forward_specify_params", "(F) Lanjut dan tentukan parameter"},
    {"wizard_legend_f_forward_skip_params", "(F) Lanjut tanpa mengubah parameter"},
    {"wizard_legend_u_specify_undefined_params", "(U) Lanjut dan tentukan hanya parameter yang belum ditentukan"},
    {"wizard_legend_r_redefine_params_all", "(R) Tentukan ulang semua parameter"},
    {"wizard_legend_r_redefine_params_one", "(R) Tentukan ulang parameter komponen ini"},
    {"wizard_legend_s_show_packages", "(S) Tampilkan daftar paket"},
    {"wizard_prompt_action", "Pilih tindakan"},
    {"wizard_prompt_action_retry", "Ketik salah satu karakter dari keterangan di atas"},
    {"wizard_prompt_action_or_number", "Pilih tindakan atau nomor"},
    {"wizard_prompt_action_or_number_retry", "Ketik nomor atau karakter tindakan dari keterangan di atas"},
    {"wizard_prompt_number", "Pilih nomor"},
    {"wizard_prompt_number_retry", "Ketik salah satu nomor dari daftar di atas"},
    {"hello_page_hdr", "Wizard Pemasangan dan Upgrade Zarni"},
    {"hello_page_body",
     "Wizard ini membantu Anda memasang Zarni, meng-upgrade-nya ke rilis yang lebih\n"
     "baru, serta menambah atau menghapus komponennya.\n"
     "\n"
     "------ PENTING ------\n"
     "\n"
     "* Cadangkan data Anda sebelum meng-upgrade Zarni atau menghapus komponennya.\n"
     "\n"
     "* Jangan hentikan pemasangan saat paket sedang dipasang.\n"
     "\n"
     "* Zarni didistribusikan berdasarkan Perjanjian Lisensi Pengguna Akhir Zarni.\n"
     "  Baca ketentuannya di http://www.zarni.example/legal/terms/ sebelum\n"
     "  melanjutkan: dengan memasang Zarni, Anda menyetujuinya.\n"},
    {"source_product_source", " Pasang produk dari: "},
    {"source_target_dir", "Simpan file yang diunduh di: "},
    {"source_from_zarni", "server pembaruan Zarni"},
    {"source_from_network", "lokasi jaringan"},
    {"source_from_local", "direktori lokal"},
    {"proxy_no_proxy", " Jangan gunakan proxy"},
    {"proxy_no_auth", "Jangan gunakan autentikasi proxy"},
    {"proxy_proxy_host", " Gunakan proxy HTTP (host:port): "},
    {"proxy_auth", " Gunakan autentikasi proxy, nama pengguna: "},
    {"settings_download_retries", " Jumlah percobaan ulang unduhan yang gagal: "},
    {"settings_page_hdr", "Pengaturan lanjutan"},
    {"settings_page_body",
     "Pengaturan ini (lokasi paket distribusi produk, penyimpanan file yang\n"
     "diunduh, pengaturan proxy, pengaturan unduhan) dapat diatur melalui baris\n"
     "perintah atau di file konfigurasi.\n"
     "\n"
     " Command line               | Configuration file       | Summary\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL or path>     | SOURCE=<URL or path>     | installation source\n"
     " --target <dir>             | TARGET=<dir>             | download directory\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | proxy host\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | proxy port\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | proxy user name\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | proxy password\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | download retries\n"
     "\n"
     "Argumen baris perintah lebih diutamakan daripada file konfigurasi. Pemasang\n"
     "membaca file konfigurasi saat dimulai; tulis setiap pengaturan pada barisnya\n"
     "sendiri, misalnya PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Lokasi file konfigurasi pemasang: "},
    {"insttypes_page_hdr", "Jenis pemasangan"},
    {"insttypes_page_body", "Jenis pemasangan adalah kumpulan komponen yang sudah ditentukan. Pilih salah satu:"},
    {"components_page_hdr", "Daftar komponen utama"},
    {"components_page_hdr1", "Daftar komponen utama untuk "},
    {"components_page_body1", "Tampilkan komponen untuk produk:"},
    {"components_page_body3", "Pilih komponen yang ingin Anda pasang:"},
    {"components_page_bottom_toggle_components", "Masukkan nomor untuk mengubah status komponen yang bersangkutan."},
    {"components_page_bottom_toggle_groups",
     "Masukkan nomor untuk mengubah status komponen yang bersangkutan atau melihat grup (ditandai dengan <+>)."},
    {"components_toggle_also", "Untuk mengubah status komponen ini, Anda juga perlu"},
    {"components_install_also", "memasang atau meng-upgrade komponen berikut: "},
    {"components_install_remove_them", "Apakah Anda ingin melakukannya?"},
    {"components_remove_also", "menghapus komponen berikut: "},
    {"components_unmark_also", "membatalkan pilihan komponen berikut: "},
    {"components_atleast_one", "Untuk melanjutkan, Anda harus memilih sedikitnya satu komponen."},
    {"components_deny_implicit_remove",
     "Untuk menghapus komponen atau grup komponen ini, Anda harus terlebih dahulu menghapus komponen yang tidak dapat dihapus secara implisit: "},
    {"components_group_toggle_also", "Untuk mengubah status komponen-komponen ini, Anda juga perlu"},
    {"components_group_deny_conflict",
     "Status komponen-komponen ini tidak dapat diubah karena akan merusak dependensi komponen berikut: "},
    {"components_group_deny_conflict_suggestion", "Cobalah mengubah status komponen satu per satu."},
    {"need_also_message", "Komponen yang Anda pilih memerlukan pemasangan paket dari komponen berikut: \n"},
    {"need_also_remove_message", "Komponen yang Anda pilih memerlukan penghapusan paket dari komponen berikut: \n"},
    {"options_page_hdr", "Parameter komponen"},
    {"options_page_body1", " komponen yang dipilih untuk dipasang memerlukan beberapa parameter yang harus Anda tentukan.\n"},
    {"options_page_body3", "Anda perlu menentukan semua parameter wajib sekarang.\n"},
    {"options_page_body4", "Parameter semua komponen ini sudah ditentukan.\n"},
    {"packages_page_hdr", "Perubahan paket"},
    {"packages_no_reqpackages", "Tidak ada paket yang perlu dipasang, di-upgrade, atau dihapus."},
    {"install_remove", "Menghapus paket: "},
    {"install_again",
     "Pemberitahuan: Build produk yang baru dirilis saat Pemasang Zarni sedang memasang paket.\n"
     "Apakah Anda ingin memasangnya?"},
    {"install_install_package", "Memasang paket: "},
    {"checking_comps_status", "Mendeteksi komponen produk yang terpasang."},
    {"checking_deps", "Memeriksa dependensi paket..."},
    {"err_set_proxyvar", "Peringatan: Gagal mengatur variabel lingkungan proxy untuk pengelola paket."},
    {"err_no_librpm", "Kesalahan: Tidak dapat memuat librpm, library yang membaca basis data paket RPM."},
    {"err_no_pagers", "Peringatan: Utilitas 'less' maupun 'more' tidak ditemukan."},
    {"installling_pkgs", "Memasang paket"},
    {"installing_pkglist", "Memasang paket berikut:"},
    {"warn_apt_cdrom_in_source",
     "Peringatan: Daftar sumber APT Anda berisi sumber CD/DVD. Pemasang Zarni mungkin\n"
     "berhenti dan menunggu disk. Jika disk tidak tersedia, hapus baris cdrom dari\n"
     "/etc/apt/sources.list dan /etc/apt/sources.list.d/, lalu jalankan pemasangan\n"
     "lagi."},
    {"retype_password", "Ketik ulang kata sandi: "},
    {"webinterface_exit_by_timeout", " Pemasang Zarni ditutup karena lama tidak ada aktivitas."},
    {"ask_customer_feedback",
     "Apakah Anda ingin membantu menyempurnakan Zarni dengan mengirimkan laporan\n"
     "kesalahan kepada pengembang Zarni saat terjadi masalah?"},
    {"press_enter_to_exit", "Tekan ENTER untuk keluar ..."},
    {"comps_no_options", "Tidak satu pun komponen dalam daftar memiliki pengaturan."},
    {"options_select_all_IPs", "Pilih semua alamat IP"},
    {"searching_need_pkgs", "Mencari paket yang diperlukan..."},
    {"confirm_uninstallation", "Apakah Anda yakin ingin menghapus %s beserta semua komponennya?"},
    {"confirm_uninstallation_title", "Penghapusan %s"},
    {"cancel_uninstallation", "Batalkan penghapusan"},
    {"error_supp_maybe",
     "Selesaikan masalah ini, lalu coba pasang paket lagi.\n"
     "Anda dapat mencari solusinya di situs dukungan Zarni di https://support.zarni.example/"},
    {"usage_header",
     "Penggunaan: installer [OPTIONS]\n"
     "\n"
     "Pemasang Zarni memasang, meng-upgrade, dan menghapus produk Zarni beserta\n"
     "komponennya. Jika dijalankan tanpa opsi, pemasang memulai wizard interaktif di\n"
     "konsol.\n"
     "\n"},
    {"usage_download",
     " Opsi unduhan:\n"
     "    --source <URL or absolute path>\n"
     "                         Ambil produk dari server pembaruan atau mirror yang\n"
     "                         ditentukan, atau dari direktori lokal.\n"
     "                         Contoh nilai:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Simpan file yang diunduh di direktori yang ditentukan.\n"
     "                         Contoh nilai:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         Berapa kali unduhan yang gagal dicoba lagi\n"
     "                         (default: 3).\n"
     "\n"},
    {"usage_proxy",
     " Opsi proxy:\n"
     "    --proxy-host <host>  Nama host atau alamat IP server proxy.\n"
     "\n"
     "    --proxy-port <port>  Port server proxy (default: 3128).\n"
     "\n"
     "    --proxy-user <user>  Nama pengguna untuk autentikasi proxy.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Kata sandi untuk autentikasi proxy.\n"
     "\n"},
    {"usage_selectors",
     " Opsi pemilihan produk dan rilis:\n"
     "    --select-product-id <product id>\n"
     "                        Pilih produk yang dirujuk oleh opsi-opsi sesudahnya.\n"
     "                        Pilih rilis produk tersebut dengan salah satu opsi\n"
     "                        berikut:\n"
     "                          --select-release-id, --select-release-latest,\n"
     "                          --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                         Pilih rilis dengan ID yang ditentukan.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Pilih rilis terbaru produk yang tersedia.\n"
     "\n"
     "    --select-release-current\n"
     "                         Pilih rilis produk yang terpasang.\n"
     "\n"
     "    --tier <tiers>       Tawarkan hanya rilis dari tingkat yang ditentukan,\n"
     "                         berupa daftar yang dipisahkan koma, misalnya\n"
     "                         stable,testing. Default-nya \"stable,release,current\".\n"
     "\n"
     "    --all-versions       Jangan saring rilis berdasarkan tingkat. Dengan opsi\n"
     "                         ini pemasang menawarkan rilis dari semua tingkat,\n"
     "                         termasuk rilis pratinjau.\n"
     "\n"},
    {"usage_install",
     " Opsi pemasangan:\n"
     "    --installation-type <type name>\n"
     "                         Pasang komponen dari jenis pemasangan yang ditentukan\n"
     "                         (misalnya, 'Recommended' atau 'Full') dari rilis produk\n"
     "                         yang dipilih.\n"
     "                         Contoh:\n"
     "                         1) komponen yang direkomendasikan dari Zarni terbaru:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) semua komponen Zarni rilis ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                         Pasang komponen yang ditentukan dari rilis produk yang\n"
     "                         dipilih. Ulangi opsi ini untuk memasang beberapa\n"
     "                         komponen.\n"
     "                         Contoh:\n"
     "                         1) tambahkan webmail Horde ke Zarni yang terpasang:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) pasang Zarni 12.5.30 dengan panel dan Postfix:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Atur pengaturan komponen dari produk yang disebut oleh\n"
     "                         --select-product-id sebelumnya. Ulangi opsi ini untuk\n"
     "                         mengatur beberapa pengaturan.\n"
     "\n"},
    {"usage_remove",
     " Opsi penghapusan:\n"
     "    --remove-component <component id>\n"
     "                         Hapus komponen yang ditentukan dari produk yang\n"
     "                         dipilih. Ulangi opsi ini untuk menghapus beberapa\n"
     "                         komponen.\n"
     "                         Contoh:\n"
     "                         1) hapus webmail Horde dari Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) hapus dua komponen sekaligus:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  Hapus semua komponen produk yang dipilih, yaitu hapus\n"
     "                         produk itu sendiri.\n"
     "                         Contoh (hapus Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Bersama --remove-everything, tunggu tombol Enter\n"
     "                         sebelum Pemasang Zarni keluar.\n"
     "\n"},
    {"usage_upgrade",
     " Opsi upgrade:\n"
     "    --upgrade-installed-components\n"
     "                         Upgrade komponen yang terpasang dari produk yang\n"
     "                         dipilih ke rilis yang dipilih.\n"
     "                         Contoh:\n"
     "                         1) pasang pembaruan terbaru Zarni yang terpasang:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) upgrade Zarni ke rilis ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Upgrade hanya komponen terpasang dari produk yang\n"
     "                         dipilih yang termasuk dalam kelas yang ditentukan,\n"
     "                         misalnya aspect=panel. Ulangi opsi ini untuk menyebut\n"
     "                         beberapa kelas.\n"
     "\n"},
    {"usage_no_warn",
     " Opsi pemeriksaan komponen:\n"
     "    --skip-components-check\n"
     "                         Jangan jalankan pemeriksaan komponen dan produk sebelum\n"
     "                         dan sesudah pemasangan. Pemasang Zarni menjalankan\n"
     "                         pemeriksaan ini untuk menemukan masalah yang dapat\n"
     "                         merusak data Anda, jadi lewati hanya jika Anda yakin\n"
     "                         bahwa pemasangan aman.\n"
     "\n"},
    {"usage_list",
     " Opsi untuk menampilkan daftar produk, rilis, dan komponen:\n"
     "    --show-releases      Tampilkan daftar rilis yang tersedia dari produk yang\n"
     "                         dipilih (Zarni jika tidak ada produk yang dipilih),\n"
     "                         beserta ID rilis dan tingkatnya. Pemasang Zarni hanya\n"
     "                         menampilkan rilis dari tingkat \"stable\", \"release\",\n"
     "                         dan \"current\" kecuali Anda menggunakan --all-versions\n"
     "                         atau menyebut tingkat lain dengan --tier.\n"
     "\n"
     "    --show-all-releases  Tampilkan daftar semua produk yang tersedia beserta\n"
     "                         rilisnya.\n"
     "\n"
     "    --show-os-list       Tampilkan daftar sistem operasi yang menjadi target\n"
     "                         build rilis yang dipilih.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Tampilkan daftar jenis pemasangan rilis yang dipilih.\n"
     "\n"
     "    --show-components    Tampilkan daftar komponen rilis yang dipilih dan apakah\n"
     "                         setiap komponen sudah terpasang, dapat di-upgrade, atau\n"
     "                         sudah mutakhir. Gunakan ID komponen yang ditampilkannya\n"
     "                         dengan --install-component dan --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Tampilkan hanya komponen yang dapat di-upgrade.\n"
     "\n"
     "    --show-options       Bersama --show-components, tampilkan juga pengaturan\n"
     "                         setiap komponen. Opsi ini tidak dapat digabung dengan\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Bersama opsi pemasangan, upgrade, atau penghapusan,\n"
     "                         hanya tampilkan paket yang akan dipasang [I],\n"
     "                         di-upgrade [U], atau dihapus [R], tanpa mengubah apa\n"
     "                         pun.\n"
     "\n"},
    {"usage_automation",
     " Opsi otomatisasi:\n"
     "    --enable-xml-output  Cetak jawaban dan pesan status dalam format XML, untuk\n"
     "                         skrip dan program lain. Pemasangan kemudian berjalan\n"
     "                         di latar belakang.\n"
     "\n"
     "    --query-status       Tampilkan apakah Pemasang Zarni sedang berjalan dan,\n"
     "                         jika ya, tahap dan langkah pekerjaannya. Status\n"
     "                         jawabannya adalah salah satu dari:\n"
     "                           query_ok   - Pemasang Zarni tidak sedang berjalan\n"
     "                           query_busy - Pemasang Zarni sedang berjalan\n"
     "\n"
     "    --check-updates      Periksa apakah ada pembaruan untuk produk yang dipilih\n"
     "                         (Zarni jika tidak ada produk yang dipilih).\n"
     "                         Contoh:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          Dengan --enable-xml-output, pasang di latar depan dan\n"
     "                         tunggu hingga pemasangan selesai.\n"
     "\n"},
    {"usage_web",
     " Opsi antarmuka web:\n"
     "    --web-interface      Jalankan wizard pemasangan di browser web, bukan di\n"
     "                         konsol. Wizard dilayani di port 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         File berisi sertifikat dan kunci privat untuk HTTPS.\n"
     "                         Secara default dibuat sertifikat yang ditandatangani\n"
     "                         sendiri.\n"
     "\n"
     "    --without-ssl        Layani antarmuka web melalui HTTP biasa.\n"
     "\n"},
    {"usage_override",
     " Opsi yang menggantikan sistem operasi yang terdeteksi:\n"
     "--override-os-name <arg>\n"
     "                         Gunakan nama sistem operasi yang ditentukan, bukan yang\n"
     "                         terdeteksi.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Gunakan vendor sistem operasi yang ditentukan, bukan\n"
     "                         yang terdeteksi.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Gunakan versi sistem operasi yang ditentukan, bukan\n"
     "                         yang terdeteksi.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Gunakan arsitektur yang ditentukan, bukan yang\n"
     "                         terdeteksi.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Gunakan lingkungan yang ditentukan, bukan yang\n"
     "                         terdeteksi: 'dedicated' atau 'cq'.\n"
     "\n"},
    {"usage_console",
     " Opsi antarmuka konsol interaktif:\n"
     "    --no-clear           Jangan bersihkan layar saat berpindah antarhalaman\n"
     "                         wizard.\n"
     "\n"},
    {"usage_feedback",
     " Opsi umpan balik:\n"
     "    --enable-feedback    Izinkan Pemasang Zarni mengirim laporan kesalahan\n"
     "                         kepada pengembang Zarni saat terjadi masalah.\n"
     "\n"
     "    --disable-feedback   Jangan kirim laporan kesalahan. Pemasang Zarni\n"
     "                         mengingat pilihan ini untuk proses berikutnya.\n"
     "\n"},
    {"usage_logging",
     " Opsi log dan notifikasi:\n"
     "    --notify-email <email>\n"
     "                         Setelah Pemasang Zarni selesai, kirim laporan hasilnya\n"
     "                         ke alamat email yang ditentukan.\n"
     "\n"
     "    --truncate-log       Kosongkan file log Pemasang Zarni saat dimulai.\n"
     "\n"
     "    --separate-logs      Tulis file log terpisah untuk setiap proses\n"
     "                         Pemasang Zarni.\n"
     "\n"
     "    --debug              Tulis informasi debug ke file log.\n"
     "\n"},
    {"usage_help",
     " Opsi bantuan dan versi Pemasang Zarni:\n"
     "    --version            Tampilkan versi Pemasang Zarni.\n"
     "\n"
     "    --usage,\n"
     "    --help               Tampilkan ikhtisar antarmuka berbasis perintah.\n"
     "\n"
     "    --help-options               Tampilkan bantuan antarmuka berbasis opsi ini.\n"
     "\n"},
    {"usage_obsolete",
     " Opsi usang:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Dahulu mematikan pembaruan sistem operasi yang\n"
     "                         disertakan dengan Zarni. Opsi ini masih diterima,\n"
     "                         tetapi tidak lagi mengubah apa yang dipasang.\n"
     "\n"
     "    --install-everything\n"
     "                         Pasang semua komponen dari rilis produk yang dipilih.\n"
     "                         Gunakan --installation-type 'Full' sebagai gantinya.\n"
     "\n"
     "    --branch <tiers>     Sama dengan --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         Sama dengan --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Opsi yang tidak lagi digunakan (diterima, tetapi diabaikan dengan peringatan):\n"
     "    --source-type        Dahulu mengatur jenis sumber pemasangan. Jenisnya kini\n"
     "                         dikenali dari nilai --source.\n"
     "\n"
     "    --add-source         Dahulu menambahkan sumber paket tambahan.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Dahulu menampilkan daftar jenis sumber paket tambahan.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Dahulu menampilkan daftar sumber paket tambahan.\n"
     "\n"
     "    --mirror-os          Dahulu membuat mirror versi produk untuk sistem operasi\n"
     "                         lain.\n"
     "\n"
     "    --install-system-only\n"
     "                         Dahulu memasang hanya paket sistem Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Dahulu mengizinkan pemasangan paket kernel.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Dahulu mencegah upgrade ke rilis mayor baru. Sebagai\n"
     "                         gantinya, pilih rilis yang akan dipasang dengan\n"
     "                         --select-release-id atau --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Dahulu meng-upgrade paket sistem operasi juga.\n"
     "\n"
     "    --reinstall-patch    Dahulu memasang ulang patch terbaru dari produk yang\n"
     "                         dipilih. Antarmuka berbasis perintah juga mengabaikan\n"
     "                         --repatch dengan cara yang sama.\n"
     "\n"
     "    --skip-patch         Dahulu melewati pemasangan patch. Antarmuka berbasis\n"
     "                         perintah juga mengabaikannya dengan cara yang sama.\n"
     "\n"
     "    --no-space-check     Dahulu melewati pemeriksaan ruang disk kosong.\n"
     "\n"},
    {"usage_end", "Lihat 'installer help' untuk informasi tentang antarmuka berbasis perintah.\n"},
    {"usage_commands",
     "Penggunaan: installer COMMAND [OPTIONS]\n"
     "\n"
     "Perintah:\n"
     "    list      Tampilkan daftar produk, rilis, preset, dan komponen\n"
     "    list-all  Tampilkan daftar semua produk yang tersedia beserta rilisnya\n"
     "    install   Pasang rilis produk\n"
     "    update    Pasang pembaruan terbaru untuk produk yang terpasang\n"
     "    add       Tambahkan komponen ke produk yang terpasang\n"
     "    remove    Hapus komponen dari produk yang terpasang\n"
     "    upgrade   Upgrade produk yang terpasang ke rilis lain\n"
     "    stop      Hentikan Penginstal Zarni yang sedang berjalan\n"
     "    version   Tampilkan versi Penginstal Zarni\n"
     "    help      Tampilkan bantuan tentang suatu perintah\n"
     "\n"
     "Lihat 'installer help COMMAND' untuk bantuan tentang perintah tertentu.\n"
     "Lihat 'installer --help-options' untuk bantuan tentang antarmuka berbasis opsi.\n"},
    {"usage_cmd_prefix", "Penggunaan: installer "},
    {"usage_cmd_version", "Tampilkan versi Pemasang Zarni."},
    {"usage_cmd_help",
     "Tanpa COMMAND, tampilkan daftar perintah. Dengan COMMAND, tampilkan bantuan\n"
     "perintah tersebut; tambahkan --verbose (-v) untuk melihat lebih banyak opsinya."},
    {"usage_cmd_list_all", "Tampilkan daftar semua produk yang tersedia beserta rilisnya."},
    {"usage_cmd_list",
     "Tampilkan daftar produk dan rilis yang tersedia. Untuk rilis yang tepat (ID\n"
     "rilis, atau ID produk dan versi), tampilkan preset pemasangannya (--presets),\n"
     "komponennya (--components, beserta pengaturannya jika --options ditambahkan),\n"
     "atau konfigurasi pengelola paket sistem untuk rilis itu (--sources)."},
    {"usage_cmd_install",
     "Pasang rilis produk. Tanpa selektor, rilis Zarni terbaru yang tersedia akan\n"
     "dipasang. Pilih komponen dengan preset (--preset, yang dapat disesuaikan dengan\n"
     "--with dan --without) atau sebutkan komponennya dengan --components."},
    {"usage_cmd_upgrade",
     "Upgrade produk yang terpasang ke rilis lain. Sebutkan rilis dengan ID rilisnya,\n"
     "dengan ID produk dan versi, atau dengan ID produk dan tingkat (rilis terbaru\n"
     "dari tingkat itu yang diambil). Tanpa rilis yang tepat, rilis yang tersedia\n"
     "akan ditampilkan."},
    {"usage_cmd_update",
     "Pasang pembaruan terbaru untuk semua produk yang terpasang, atau hanya untuk\n"
     "PRODUCT, tanpa meng-upgrade-nya ke rilis lain."},
    {"usage_cmd_add", "Tambahkan komponen ke produk yang terpasang."},
    {"usage_cmd_remove", "Hapus komponen dari produk yang terpasang."},
    {"usage_cmd_add_remove_tail", "PRODUCT boleh dihilangkan jika hanya satu produk yang terpasang.\n"},
    {"usage_cmd_stop",
     "Hentikan Penginstal Zarni yang sedang berjalan. Penginstal berhenti pada titik\n"
     "aman berikutnya; dengan --terminate penginstal berhenti bahkan saat paket\n"
     "sedang dipasang."},
    {"usage_components",
     "COMPONENTS adalah daftar ID komponen. Pisahkan dengan spasi atau koma,\n"
     "atau ulangi opsinya:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose",
     "Tambahkan '--verbose' (atau '-v') untuk melihat lebih banyak opsi, '--verbose=2'\n"
     "untuk melihat semua opsi."},
    {"usage_hdr_command_opts", "Opsi perintah"},
    {"usage_hdr_general_opts", "Opsi umum"},
    {"usage_hdr_download_opts", "Opsi unduhan"},
    {"usage_hdr_proxy_opts", "Opsi proxy"},
    {"usage_hdr_skip_opts", "Opsi untuk melewati langkah"},
    {"usage_hdr_env_opts", "Opsi penggantian sistem operasi"},
    {"usage_opt_source",
     "Sumber pemasangan: URL server pembaruan atau mirror, atau path absolut direktori lokal"},
    {"usage_opt_target", "Direktori untuk file yang diunduh"},
    {"usage_opt_tries", "Jumlah percobaan ulang unduhan yang gagal (default: 3)"},
    {"usage_opt_ext", "URL Katalog Ekstensi yang digunakan sebagai pengganti katalog yang disebut produk"},
    {"usage_opt_proxy_host", "Nama host atau alamat IP server proxy"},
    {"usage_opt_proxy_port", "Port server proxy (default: 3128)"},
    {"usage_opt_proxy_user", "Nama pengguna untuk autentikasi proxy"},
    {"usage_opt_proxy_pass", "Kata sandi untuk autentikasi proxy"},
    {"usage_opt_skip_examine", "Jangan jalankan pemeriksaan komponen dan produk sebelum dan sesudah pemasangan"},
    {"usage_opt_skip_gpg", "Jangan verifikasi tanda tangan GPG paket"},
    {"usage_opt_skip_cleanup", "Pertahankan konfigurasi repositori paket saat pemasang keluar"},
    {"usage_opt_no_self_upgrade", "Jangan ganti Pemasang Zarni dengan versi dirinya yang lebih baru atau lebih lama"},
    {"usage_opt_help", "Tampilkan bantuan perintah"},
    {"usage_opt_xml", "Cetak jawaban dan pesan status dalam format XML"},
    {"usage_opt_debug", "Tulis informasi debug ke file log"},
    {"usage_opt_truncate_log", "Kosongkan file log Pemasang Zarni saat dimulai"},
    {"usage_opt_separate_log", "Tulis file log terpisah untuk setiap proses Pemasang Zarni"},
    {"usage_opt_email", "Setelah Pemasang Zarni selesai, kirim laporan hasilnya ke alamat email ini"},
    {"usage_opt_verbose", "Tampilkan lebih banyak opsi dalam bantuan: 1 untuk lebih banyak opsi, 2 untuk semua opsi"},
    {"usage_opt_completion", "Cetak opsi perintah untuk pelengkapan shell (JSON)"},
    {"usage_opt_override_os_name", "Nama sistem operasi yang digunakan sebagai pengganti yang terdeteksi"},
    {"usage_opt_override_os_vendor", "Vendor sistem operasi yang digunakan sebagai pengganti yang terdeteksi"},
    {"usage_opt_override_os_version", "Versi sistem operasi yang digunakan sebagai pengganti yang terdeteksi"},
    {"usage_opt_override_os_arch", "Arsitektur yang digunakan sebagai pengganti yang terdeteksi"},
    {"usage_opt_override_env", "Lingkungan yang digunakan sebagai pengganti yang terdeteksi: 'dedicated' atau 'cq'"},
    {"usage_opt_list_presets", "Tampilkan daftar preset pemasangan rilis"},
    {"usage_opt_list_components", "Tampilkan daftar komponen rilis"},
    {"usage_opt_list_options", "Dengan --components, tampilkan juga pengaturan setiap komponen"},
    {"usage_opt_dry_run",
     "Jangan ubah apa pun; hanya tampilkan paket yang akan dipasang [I], di-upgrade [U], atau dihapus [R]"},
    {"usage_opt_install_preset",
     "Pasang komponen dari preset ini (jenis pemasangan), misalnya 'Recommended' atau 'Full'"},
    {"usage_opt_install_with", "Komponen yang dipasang sebagai tambahan dari preset"},
    {"usage_opt_install_without", "Komponen preset yang tidak dipasang"},
    {"usage_opt_install_components", "Komponen yang dipasang, sebagai pengganti preset"},
    {"usage_opt_install_options", "Pengaturan komponen, masing-masing ditulis sebagai name=value"},
    {"usage_opt_update_panel_only",
     "Pasang hanya pembaruan Zarni itu sendiri, bukan pembaruan layanan lain yang dikelola Zarni"},
    {"usage_opt_addremove_components", "Komponen yang akan ditambahkan atau dihapus"},
    {"usage_opt_stop_terminate",
     "Hentikan Penginstal Zarni bahkan saat paket sedang dipasang (kirim SIGTERM, bukan SIGHUP)"},
    {"error_supp_need", "Anda dapat mencari solusinya di situs dukungan Zarni di https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "Windows Server 2003 tidak lagi didukung oleh Zarni. "
     "Sesuai kebijakan siklus hidup Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami menyarankan Anda menggunakan versi sistem operasi yang lebih baru."},
    {"os_win2008_not_supported_product_installed",
     "Windows Server 2008 tidak lagi didukung oleh Zarni. "
     "Sesuai kebijakan siklus hidup Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami menyarankan Anda menggunakan versi sistem operasi yang lebih baru. "
     "Untuk memindahkan Zarni ke server dengan sistem operasi yang didukung, ikuti panduan migrasi (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed",
     "Windows Server 2008 tidak lagi didukung oleh Zarni. "
     "Sesuai kebijakan siklus hidup Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami menyarankan Anda menggunakan versi sistem operasi yang lebih baru."},
    {"os_win2008r2_not_supported_product_installed",
     "Windows Server 2008 R2 tidak lagi didukung oleh Zarni. "
     "Sesuai kebijakan siklus hidup Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami menyarankan Anda menggunakan versi sistem operasi yang lebih baru. "
     "Untuk memindahkan Zarni ke server dengan sistem operasi yang didukung, ikuti panduan migrasi (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed",
     "Windows Server 2008 R2 tidak lagi didukung oleh Zarni. "
     "Sesuai kebijakan siklus hidup Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami menyarankan Anda menggunakan versi sistem operasi yang lebih baru."},
};

}  // namespace

void loadInstallerMessages_id_ID(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
