// Malay texts of the installer messages.
// Loaded after the English table, so each text here replaces the English text of its key;
// the English-only keys are left out and keep their English texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Pemasang Zarni"},
    {"usage_cmd_list_tail",
     "Contoh:\n"
     "Senaraikan produk yang tersedia:\n"
     "list\n"
     "Senaraikan keluaran Zarni terkini yang tersedia dengan peringkat lalai:\n"
     "list %1%\n"
     "Senaraikan semua keluaran Zarni yang tersedia:\n"
     "list %1% all\n"
     "Paparkan keluaran pratonton Zarni terkini yang tersedia (peringkat 'testing'):\n"
     "list %1% testing\n"
     "Senaraikan komponen dalam Zarni %2% (dipilih mengikut ID produk dan versi):\n"
     "list %1% %2% --components\n"
     "Senaraikan praset pemasangan dalam Zarni %2% (dipilih mengikut ID keluaran):\n"
     "list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Contoh:\n"
     "Pasang set komponen yang disyorkan bagi keluaran Zarni terkini yang tersedia\n"
     "secara umum:\n"
     "install\n"
     "Pasang keluaran pratonton Zarni terkini yang tersedia:\n"
     "install testing\n"
     "Pasang Zarni %2% (dipilih mengikut versi):\n"
     "install %1% %2%\n"
     "Pasang set penuh komponen Zarni tanpa sokongan Java dan mel web Horde\n"
     "(keluaran dipilih mengikut ID):\n"
     "install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Contoh:\n"
     "Naik taraf kepada Zarni %2% (dipilih mengikut ID produk dan versi):\n"
     "upgrade %1% %2%\n"
     "Naik taraf kepada Zarni %2% (dipilih mengikut ID keluaran):\n"
     "upgrade %3%\n"
     "Naik taraf kepada keluaran Zarni stabil terkini yang tersedia:\n"
     "upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Contoh:\n"
     "Pasang kemas kini terkini yang tersedia untuk semua produk yang dipasang:\n"
     "update\n"
     "Kemas kini pemasangan Zarni:\n"
     "update %1%\n"
     "Pasang kemas kini Zarni sahaja, jangan kemas kini perkhidmatan lain yang diurus\n"
     "oleh Zarni jika boleh (hanya untuk produk '%1%'):\n"
     "update --panel-only\n"},
    {"usage_selector",
     "Setiap SELECTOR ialah salah satu daripada berikut:\n"
     "ID produk, cth. '%1%'\n"
     "peringkat keluaran, cth. 'stable', atau 'all' tanpa penapis peringkat\n"
     "versi keluaran, cth. '%2%'\n"
     "ID keluaran, cth. '%3%'\n"
     "\n"
     "Gunakan perintah 'list' untuk menyemak pemilih yang sah.\n"},
    {"usage_product",
     "PRODUCT ialah pemilih ID produk, cth. '%1%'.\n"
     "Gunakan perintah 'list' untuk menyemak ID produk yang sah.\n"},
    {"download_file", "Memuat turun fail "},
    {"download_total_progress", "(%s daripada %s) "},
    {"download_retry_progress", " (cuba semula %s daripada %s)"},
    {"download_retry", "%s. Akan mencuba semula dalam %s saat..."},
    {"progress_stage_init", "Pemasang Zarni telah dimulakan"},
    {"progress_stage_prep", "Menyediakan sistem"},
    {"progress_stage_resolv", "Menyelesaikan pakej"},
    {"progress_stage_download", "Memuat turun pakej"},
    {"dpkg_register_new_arch", "Mendaftarkan sokongan seni bina %s"},
    {"examine_unpassed", "Pengesahan komponen dan produk mengesan sekurang-kurangnya satu isu penting:"},
    {"examine_post_results", "Keputusan semakan komponen dan produk:"},
    {"examine_signal", "Semakan telah ditamatkan oleh isyarat %s."},
    {"examine_time_limit", "Semakan tidak selesai dalam masa %s saat dan telah dihentikan."},
    {"check_system_packages", "Menyemak pakej yang dipasang... "},
    {"read_system_packages", "Mendapatkan maklumat tentang pakej yang dipasang... "},
    {"status_not_locked", "Pemasang Zarni tidak berjalan."},
    {"status_locked_by_another", "Operasi kemas kini telah dikunci oleh proses kemas kini yang lain."},
    {"status_daemon_launched", "Daemon Pemasang Zarni telah dilancarkan."},
    {"status_busy", "Satu lagi tika Pemasang Zarni sudah berjalan."},
    {"error_sys_stable", "Tidak semua pakej telah dipasang."},
    {"error_sys_unsure", "Amaran! Tidak semua pakej telah dipasang.\nSila semak sama ada perkhidmatan sistem anda boleh beroperasi."},
    {"error_sys_broken", "Perhatian! Perisian anda mungkin tidak dapat beroperasi."},
    {"error_rep_none", ""},
    {"error_rep_again", "Sila cuba memasang pakej sekali lagi kemudian."},
    {"error_supp_none", "Sila selesaikan isu ini dan cuba memasang pakej sekali lagi."},
    {"components_allready_installed", "Anda sudah memasang versi terkini produk dan semua komponen yang dipilih. Pemasangan tidak akan diteruskan."},
    {"releases_no_avail",
     "Pemasangan tidak akan diteruskan kerana sistem pengendalian anda\n"
     "\"%s\" tidak disokong.\n"
     "\n"
     "Rujuk nota keluaran Zarni untuk senarai lengkap\n"
     "sistem pengendalian yang disokong.\n"},
    {"insttypes_page_hdr1", "Pilih jenis pemasangan untuk %s"},
    {"components_page_body2", "Sila pilih komponen %s yang anda ingin pasang:"},
    {"components_page_num_selected", "%s daripada %s komponen dipilih"},
    {"options_page_body2", "Parameter untuk %s komponen perlu dinyatakan.\n"},
    {"options_page_body5", "\nKomponen '%s': semua parameter yang diperlukan telah ditakrifkan.\n"},
    {"packages_page_body_install",
     "Terdapat %s pakej yang diperlukan supaya produk berfungsi dengan betul yang\n"
     "tidak ditemui dalam sistem anda.\n"},
    {"packages_page_body_upgrade",
     "Terdapat %s pakej yang perlu dinaik taraf\n"
     "untuk memasang produk.\n"},
    {"packages_page_body_remove", "Terdapat %s pakej yang dipasang, tetapi akan dialih keluar.\n"},
    {"install_start", "Menggunakan perubahan pada sistem"},
    {"install_ok", "Perubahan telah berjaya digunakan."},
    {"err_send_mail", "Amaran: Gagal menghantar laporan pemasangan melalui e-mel."},
    {"err_read_prodsinfo", "Gagal membaca maklumat produk daripada fail "},
    {"warn_deprecated_option", "AMARAN: Pilihan baris perintah '%s' tidak digunakan lagi dan akan diabaikan."},
    {"err_chk_md5", "Gagal mengira checksum untuk fail "},
    {"new_build_avail", "Amaran: Binaan produk baharu tersedia pada pelayan."},
    {"added_comps_by_deps", "Komponen berikut akan dipasang kerana diperlukan oleh komponen yang anda pilih:"},
    {"removed_comps_by_deps", "Komponen berikut akan dialih keluar kerana bercanggah dengan komponen yang anda pilih untuk dipasang atau memerlukan komponen yang anda pilih untuk dialih keluar:"},
    {"err_dep_from_pkg_unresolved", "%s: Tiada penyelesaian yang sesuai ditemui\nuntuk kebergantungan \"%s\".\n"},
    {"err_pkg_downgrade", "Tidak dapat menurunkan taraf pakej '%s' kepada versi %s:\nversi %s dipasang sekarang."},
    {"err_pkg_clash", "Pakej \"%s\" dan \"%s\" tidak boleh dipasang pada masa yang sama"},
    {"err_pkg_fileconfl", "kerana bercanggah dengan fail \"%s\""},
    {"err_pkg_depconfl", "kerana \"%s\" bercanggah dengan \"%s\"."},
    {"pkg_select_reason", "Pakej \"%s\" telah dipilih kerana kebergantungan berikut:"},
    {"pkg_select_depend", "    \"%s\" daripada \"%s\""},
    {"deps_report_head", "Perkara berikut mungkin menyebabkan kegagalan pemasangan:"},
    {"deps_long_report", "Terdapat juga masalah lain yang ditemui. Untuk butiran,\nrujuk fail log: %s.\n"},
    {"user_canceled", "Diganggu oleh pengguna"},
    {"goto_webinterface_url", "\nAntara muka web kini dimulakan.\n  Sila layari %s dalam pelayar anda.\n\n"},
    {"upgrade_from_not_supported_versions", "Anda boleh menaik taraf %s hanya kepada %s atau lebih awal. Jika anda ingin menaik taraf kepada versi terkini, rujuk artikel berikut: %s"},
    {"stop_already_stopped", "Pemasang Zarni tidak berjalan."},
    {"stop_sent", "Penutupan Pemasang Zarni telah diminta."},
    {"download_completed", "sudah dimuat turun"},
    {"download_done", "selesai"},
    {"download_all_done", "Semua fail telah dimuat turun."},
    {"download_ext_catalog_feed", "Memuat turun suapan Katalog Sambungan..."},
    {"process_apt_get_update", "Mengemas kini indeks pakej APT..."},
    {"question_continue", "Adakah anda ingin meneruskan?"},
    {"question_show_settings",
     "Hal ini mungkin disebabkan oleh masalah pada sumber pemasangan, sambungan anda atau tetapan pemasang.\n"
     "Pemasang akan keluar kerana ralat yang tidak dapat dipulihkan.\n"
     "Adakah anda ingin melihat tetapan pemasang semasa dan cara mengubahnya?"},
    {"examine_presetup", "Menyemak komponen dan produk sebelum pemasangan"},
    {"examine_postsetup", "Menyemak komponen dan produk selepas pemasangan"},
    {"examine_perform", "Menyemak komponen dan produk..."},
    {"examine_skip_yesno",
     "Meneruskan pemasangan atau naik taraf tanpa menyelesaikan isu yang\n"
     "ditemui boleh merosakkan data anda.\n"},
    {"wizard_current_settings", "Tetapan semasa:"},
    {"yesno_retry", "Taip Y untuk ya atau N untuk tidak"},
    {"message_press_enter", "(tekan Enter untuk meneruskan)"},
    {"releases_reporter_no_updates", "Tiada kemas kini yang tersedia."},
    {"releases_reporter_list_empty", "Tiada produk yang tersedia untuk dipasang."},
    {"releases_page_hdr", "Produk dan versi"},
    {"releases_page_body", "Versi produk berikut tersedia:"},
    {"releases_no_selected", "Tiada versi produk yang dipilih."},
    {"releases_upgrade_request1", "Versi produk "},
    {"releases_upgrade_request2",
     " telah dipasang.\n"
     "Adakah anda ingin menaik tarafnya?"},
    {"wizard_legend_header", "Tindakan yang tersedia:"},
    {"wizard_legend_f_forward", "(F) Ke hadapan"},
    {"wizard_legend_b_back", "(B) Ke belakang"},
    {"wizard_legend_q_quit", "(Q) Batalkan pemasangan"},
    {"wizard_legend_s_advanced_settings", "(S) Paparkan tetapan lanjutan"},
    {"wizard_legend_a_select_all", "(A) Pilih semua"},
    {"wizard_legend_d_deselect_all", "(D) Nyahpilih semua"},
    {"wizard_legend_f_forward_specify_params", "(F) Ke hadapan dan nyatakan parameter"},
    {"wizard_legend_f_forward_skip_params", "(F) Ke hadapan tanpa mengubah parameter"},
    {"wizard_legend_u_specify_undefined_params", "(U) Ke hadapan dan nyatakan parameter yang belum ditakrifkan sahaja"},
    {"wizard_legend_r_redefine_params_all", "(R) Takrifkan semula semua parameter"},
    {"wizard_legend_r_redefine_params_one", "(R) Takrifkan semula parameter komponen ini"},
    {"wizard_legend_s_show_packages", "(S) Paparkan senarai pakej"},
    {"wizard_prompt_action", "Pilih tindakan"},
    {"wizard_prompt_action_retry", "Taip salah satu aksara daripada petunjuk di atas"},
    {"wizard_prompt_action_or_number", "Pilih tindakan atau nombor"},
    {"wizard_prompt_action_or_number_retry", "Taip nombor atau aksara tindakan daripada petunjuk di atas"},
    {"wizard_prompt_number", "Pilih nombor"},
    {"wizard_prompt_number_retry", "Taip salah satu nombor daripada senarai di atas"},
    {"hello_page_hdr", "Bestari Pemasangan dan Naik taraf Zarni"},
    {"hello_page_body",
     "Bestari ini membantu anda memasang Zarni, menaik tarafnya kepada keluaran yang\n"
     "lebih baharu, dan menambah atau mengalih keluar komponennya.\n"
     "\n"
     "------ PENTING ------\n"
     "\n"
     "* Sandarkan data anda sebelum menaik taraf Zarni atau mengalih keluar mana-mana\n"
     "  komponennya.\n"
     "\n"
     "* Jangan ganggu pemasangan semasa pakej sedang dipasang.\n"
     "\n"
     "* Zarni diedarkan di bawah Perjanjian Lesen Pengguna Akhir Zarni. Baca\n"
     "syaratnya di http://www.zarni.example/legal/terms/ sebelum anda meneruskan:\n"
     "dengan memasang Zarni, anda menerimanya.\n"},
    {"source_product_source", " Pasang produk daripada: "},
    {"source_target_dir", " Simpan fail yang dimuat turun ke: "},
    {"source_from_zarni", "pelayan kemas kini Zarni"},
    {"source_from_network", "lokasi rangkaian"},
    {"source_from_local", "direktori tempatan"},
    {"proxy_no_proxy", " Jangan gunakan proksi"},
    {"proxy_no_auth", " Jangan gunakan pengesahan proksi"},
    {"proxy_proxy_host", " Gunakan proksi HTTP (hos:port): "},
    {"proxy_auth", " Gunakan pengesahan proksi, nama pengguna: "},
    {"settings_download_retries", " Bilangan cubaan semula muat turun yang gagal: "},
    {"settings_page_hdr", "Tetapan lanjutan"},
    {"settings_page_body",
     "Tetapan ini (lokasi pakej pengedaran produk, storan untuk fail yang dimuat\n"
     "turun, tetapan proksi, tetapan muat turun) boleh ditetapkan sama ada pada baris\n"
     "perintah atau dalam fail konfigurasi.\n"
     "\n"
     " Baris perintah             | Fail konfigurasi         | Ringkasan\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL atau laluan> | SOURCE=<URL atau laluan> | sumber pemasangan\n"
     " --target <dir>             | TARGET=<dir>             | direktori muat turun\n"
     " --proxy-host <hos>         | PROXY_HOST=<hos>         | hos proksi\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | port proksi\n"
     " --proxy-user <pengguna>    | PROXY_USER=<pengguna>    | nama pengguna proksi\n"
     " --proxy-password <pas>     | PROXY_PASSWORD=<pas>     | kata laluan proksi\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | cubaan semula\n"
     "\n"
     "Argumen baris perintah diutamakan berbanding fail konfigurasi. Pemasang membaca\n"
     "fail konfigurasi apabila ia bermula; tulis setiap tetapan pada barisnya sendiri,\n"
     "contohnya PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Lokasi fail konfigurasi pemasang: "},
    {"insttypes_page_hdr", "Jenis pemasangan"},
    {"insttypes_page_body", "Jenis pemasangan ialah set komponen yang dipratentukan. Pilih salah satu daripadanya:"},
    {"components_page_hdr", "Senarai komponen utama"},
    {"components_page_hdr1", "Senarai komponen utama untuk "},
    {"components_page_body1", "Paparkan komponen untuk produk:"},
    {"components_page_body3", "Pilih komponen yang anda ingin pasang:"},
    {"components_page_bottom_toggle_components", "Masukkan nombor untuk menogol komponen berkenaan."},
    {"components_page_bottom_toggle_groups",
     "Masukkan nombor untuk menogol komponen berkenaan atau melihat kumpulan (ditandakan dengan <+>)."},
    {"components_toggle_also", "Untuk menogol keadaan komponen ini anda juga perlu"},
    {"components_install_also", "memasang atau menaik taraf komponen berikut: "},
    {"components_install_remove_them", "Adakah anda ingin melakukannya?"},
    {"components_remove_also", "mengalih keluar komponen berikut: "},
    {"components_unmark_also", "menyahpilih komponen berikut: "},
    {"components_atleast_one", "Untuk meneruskan, anda mesti memilih sekurang-kurangnya satu komponen."},
    {"components_deny_implicit_remove",
     "Untuk mengalih keluar komponen atau kumpulan komponen ini, anda perlu terlebih dahulu mengalih keluar komponen yang tidak boleh dialih keluar secara tersirat: "},
    {"components_group_toggle_also", "Untuk menogol keadaan komponen-komponen ini anda juga perlu"},
    {"components_group_deny_conflict",
     "Keadaan komponen-komponen ini tidak boleh ditogol kerana akan merosakkan kebergantungan komponen berikut: "},
    {"components_group_deny_conflict_suggestion", "Cuba togol komponen satu demi satu sebagai gantinya."},
    {"need_also_message", "Komponen yang anda pilih memerlukan pemasangan pakej daripada komponen berikut: \n"},
    {"need_also_remove_message", "Komponen yang anda pilih memerlukan alih keluar pakej daripada komponen berikut: \n"},
    {"options_page_hdr", "Parameter komponen"},
    {"options_page_body1", " komponen yang dipilih untuk dipasang memerlukan anda menyatakan parameter tertentu.\n"},
    {"options_page_body3", "Anda perlu menyatakan semua parameter yang diperlukan sekarang.\n"},
    {"options_page_body4", "Parameter semua komponen ini telah ditakrifkan.\n"},
    {"packages_page_hdr", "Perubahan pakej"},
    {"packages_no_reqpackages", "Tiada pakej yang perlu dipasang, dinaik taraf atau dialih keluar."},
    {"install_remove", "Mengalih keluar pakej: "},
    {"install_again",
     "Notis: Binaan produk baharu telah dikeluarkan semasa Pemasang Zarni sedang memasang pakej.\n"
     "Adakah anda ingin memasangnya?"},
    {"install_install_package", "Memasang pakej: "},
    {"checking_comps_status", "Mengesan komponen produk yang dipasang."},
    {"checking_deps", "Menyemak kebergantungan pakej..."},
    {"err_set_proxyvar", "Amaran: Gagal menetapkan pemboleh ubah persekitaran proksi untuk pengurus pakej."},
    {"err_no_librpm", "Ralat: Tidak dapat memuatkan librpm, pustaka yang membaca pangkalan data pakej RPM."},
    {"err_no_pagers", "Amaran: Utiliti 'less' mahupun 'more' tidak ditemui."},
    {"installling_pkgs", "Memasang pakej"},
    {"installing_pkglist", "Memasang pakej berikut:"},
    {"warn_apt_cdrom_in_source",
     "Amaran: Senarai sumber APT anda mengandungi sumber CD/DVD. Pemasang Zarni\n"
     "mungkin berhenti dan menunggu cakera. Jika cakera tidak tersedia, alih keluar\n"
     "baris cdrom daripada /etc/apt/sources.list dan fail dalam\n"
     "/etc/apt/sources.list.d/, dan jalankan pemasangan sekali lagi."},
    {"retype_password", "Taip semula kata laluan: "},
    {"webinterface_exit_by_timeout", " Pemasang Zarni telah ditutup kerana tidak aktif dalam tempoh yang lama."},
    {"ask_customer_feedback",
     "Adakah anda ingin membantu menambah baik Zarni dengan menghantar laporan ralat\n"
     "kepada pembangun Zarni apabila masalah berlaku?"},
    {"press_enter_to_exit", "Tekan ENTER untuk keluar ..."},
    {"comps_no_options", "Tiada satu pun komponen yang disenaraikan mempunyai tetapan."},
    {"options_select_all_IPs", "Pilih semua alamat IP"},
    {"searching_need_pkgs", "Mencari pakej yang diperlukan..."},
    {"confirm_uninstallation", "Adakah anda benar-benar ingin mengalih keluar %s dan semua komponennya?"},
    {"confirm_uninstallation_title", "Alih keluar %s"},
    {"cancel_uninstallation", "Batalkan alih keluar"},
    {"error_supp_maybe",
     "Sila selesaikan isu ini dan cuba memasang pakej sekali lagi.\n"
     "Anda boleh mencari penyelesaian di laman sokongan Zarni di https://support.zarni.example/"},
    {"usage_header",
     "Penggunaan: installer [PILIHAN]\n"
     "\n"
     "Pemasang Zarni memasang, menaik taraf dan mengalih keluar produk Zarni serta\n"
     "komponennya. Jika dijalankan tanpa pilihan, ia memulakan bestari interaktif\n"
     "dalam konsol.\n"
     "\n"},
    {"usage_download",
     " Pilihan muat turun:\n"
     "--source <URL atau laluan mutlak>\n"
     "Ambil produk daripada pelayan kemas kini atau cermin yang diberi, atau\n"
     "daripada direktori tempatan.\n"
     "Contoh nilai:\n"
     "                         http://updates.zarni.example/\n"
     "                         http://mirror.zarni.example/zarni/\n"
     "                         /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Simpan fail yang dimuat turun dalam direktori ini.\n"
     "                         Contoh nilai:\n"
     "                         /root/kestavine\n"
     "\n"
     "    --download-retry-count <nombor>\n"
     "    Berapa kali muat turun yang gagal dicuba semula (lalai: 3).\n"
     "\n"},
    {"usage_proxy",
     " Pilihan proksi:\n"
     "--proxy-host <host>  Nama hos atau alamat IP pelayan proksi.\n"
     "\n"
     "    --proxy-port <port>  Port pelayan proksi (lalai: 3128).\n"
     "\n"
     "    --proxy-user <user>  Nama pengguna untuk pengesahan proksi.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Kata laluan untuk pengesahan proksi.\n"
     "\n"},
    {"usage_selectors",
     " Pilihan pemilihan produk dan keluaran:\n"
     "--select-product-id <id produk>\n"
     "Pilih produk yang dirujuk oleh pilihan selepasnya. Pilih keluaran produk\n"
     "tersebut dengan pilihan --select-release-id, --select-release-latest atau\n"
     "pilihan --select-release-current.\n"
     "\n"
     "    --select-release-id <id keluaran>\n"
     "    Pilih keluaran dengan ID yang diberi.\n"
     "\n"
     "    --select-release-latest\n"
     "    Pilih keluaran terkini produk yang tersedia.\n"
     "\n"
     "    --select-release-current\n"
     "    Pilih keluaran produk yang dipasang.\n"
     "\n"
     "    --tier <peringkat>       Tawarkan hanya keluaran peringkat yang diberi,\n"
     "    iaitu senarai dipisahkan koma seperti stable,testing. Lalainya ialah\n"
     "    \"stable,release,current\".\n"
     "\n"
     "    --all-versions       Jangan tapis keluaran mengikut peringkat. Dengan\n"
     "    pilihan ini pemasang menawarkan keluaran semua peringkat, termasuk\n"
     "    keluaran pratonton.\n"
     "\n"},
    {"usage_install",
     " Pilihan pemasangan:\n"
     "--installation-type <jenis nama>\n"
     "Pasang komponen jenis pemasangan yang diberi (contohnya, 'Recommended' atau\n"
     "'Full') bagi keluaran produk yang dipilih.\n"
     "Contoh:\n"
     "1) komponen yang disyorkan bagi Zarni terkini:\n"
     "                         --select-product-id zarni --select-release-latest \\\n"
     "                         --installation-type Recommended\n"
     "2) semua komponen Zarni keluaran ZARNI_12_5_30:\n"
     "                         --select-product-id zarni \\\n"
     "                         --select-release-id ZARNI_12_5_30 \\\n"
     "                         --installation-type Full\n"
     "\n"
     "    --install-component <id komponen>\n"
     "    Pasang komponen yang diberi bagi keluaran produk yang dipilih. Ulangi\n"
     "    pilihan ini untuk memasang beberapa komponen.\n"
     "    Contoh:\n"
     "    1) tambah mel web Horde pada Zarni yang dipasang:\n"
     "                         --select-product-id zarni --select-release-current \\\n"
     "                         --install-component horde\n"
     "    2) pasang Zarni 12.5.30 dengan panel dan Postfix:\n"
     "                         --select-product-id zarni \\\n"
     "                         --select-release-id ZARNI_12_5_30 \\\n"
     "                         --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "    Tetapkan tetapan komponen bagi produk yang dinamakan oleh pilihan\n"
     "    sebelumnya, iaitu --select-product-id. Ulangi pilihan ini untuk\n"
     "    menetapkan beberapa tetapan.\n"
     "\n"},
    {"usage_remove",
     " Pilihan alih keluar:\n"
     "--remove-component <id komponen>\n"
     "Alih keluar komponen yang diberi bagi produk yang dipilih. Ulangi pilihan ini\n"
     "untuk mengalih keluar beberapa komponen.\n"
     "Contoh:\n"
     "1) alih keluar mel web Horde daripada Zarni:\n"
     "                         --select-product-id zarni --remove-component horde\n"
     "2) alih keluar dua komponen sekali gus:\n"
     "                         --select-product-id zarni \\\n"
     "                         --remove-component horde \\\n"
     "                         --remove-component postfix\n"
     "\n"
     "    --remove-everything  Alih keluar semua komponen produk yang dipilih, iaitu\n"
     "    alih keluar produk itu sendiri.\n"
     "                         Contoh (alih keluar Zarni):\n"
     "                         --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Bersama --remove-everything, tunggu kekunci Enter\n"
     "                         sebelum Pemasang Zarni keluar.\n"
     "\n"},
    {"usage_upgrade",
     " Pilihan naik taraf:\n"
     "--upgrade-installed-components\n"
     "Naik taraf komponen yang dipasang bagi produk yang dipilih kepada keluaran yang\n"
     "dipilih.\n"
     "Contoh:\n"
     "1) pasang kemas kini terkini bagi Zarni yang dipasang:\n"
     "                         --select-product-id zarni --select-release-current \\\n"
     "                         --upgrade-installed-components\n"
     "2) naik taraf Zarni kepada keluaran ZARNI_12_5_30:\n"
     "                         --select-product-id zarni \\\n"
     "                         --select-release-id ZARNI_12_5_30 \\\n"
     "                         --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Naik taraf hanya komponen yang dipasang bagi produk\n"
     "                         yang dipilih yang tergolong dalam kelas yang diberi,\n"
     "                         contohnya aspect=panel. Ulangi pilihan ini untuk\n"
     "                         menamakan beberapa kelas.\n"
     "\n"},
    {"usage_no_warn",
     " Pilihan semakan komponen:\n"
     "--skip-components-check\n"
     "Jangan jalankan semakan komponen dan produk sebelum dan selepas pemasangan.\n"
     "Pemasang Zarni menjalankan semakan ini untuk mencari masalah yang boleh\n"
     "merosakkan data anda, jadi langkau semakan hanya apabila anda pasti bahawa\n"
     "pemasangan selamat.\n"
     "\n"},
    {"usage_list",
     " Pilihan untuk menyenaraikan produk, keluaran dan komponen:\n"
     "--show-releases      Senaraikan keluaran tersedia bagi produk yang dipilih\n"
     "(Zarni apabila tiada produk dipilih), bersama ID keluaran dan peringkatnya.\n"
     "Pemasang Zarni hanya menyenaraikan keluaran peringkat \"stable\", \"release\" dan\n"
     "\"current\" melainkan anda menggunakan --all-versions atau menamakan peringkat\n"
     "lain dengan --tier.\n"
     "\n"
     "    --show-all-releases  Senaraikan semua produk tersedia dan keluarannya.\n"
     "\n"
     "    --show-os-list       Senaraikan sistem pengendalian yang menjadi sasaran\n"
     "    binaan keluaran yang dipilih.\n"
     "\n"
     "    --show-installation-types\n"
     "    Senaraikan jenis pemasangan bagi keluaran yang dipilih.\n"
     "\n"
     "    --show-components    Senaraikan komponen keluaran yang dipilih dan sama ada\n"
     "    setiap satunya dipasang, boleh dinaik taraf atau terkini. Gunakan ID\n"
     "    komponen yang dipaparkannya dengan --install-component dan dengan\n"
     "    pilihan --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Senaraikan hanya komponen yang boleh dinaik taraf.\n"
     "\n"
     "    --show-options       Bersama --show-components, paparkan juga tetapan setiap\n"
     "    komponen. Pilihan ini tidak boleh digabungkan dengan pilihan\n"
     "    lain, iaitu --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Bersama pilihan pemasangan, naik taraf atau alih\n"
     "    keluar, hanya paparkan pakej yang akan dipasang [I], dinaik taraf [U] atau\n"
     "    dialih keluar [R], tanpa mengubah apa-apa.\n"
     "\n"},
    {"usage_automation",
     " Pilihan automasi:\n"
     "--enable-xml-output  Cetak jawapan dan mesej status dalam format XML, untuk\n"
     "                         skrip dan program lain. Pemasangan kemudian berjalan\n"
     "                         di latar belakang.\n"
     "\n"
     "    --query-status       Paparkan sama ada Pemasang Zarni sedang berjalan dan,\n"
     "                         jika ya, tahap dan langkah kerjanya. Status jawapan\n"
     "                         ialah salah satu daripada:\n"
     "                           query_ok   - Pemasang Zarni tidak berjalan\n"
     "                           query_busy - Pemasang Zarni sedang berjalan\n"
     "\n"
     "    --check-updates      Semak sama ada kemas kini tersedia untuk produk yang\n"
     "                         dipilih (Zarni apabila tiada produk dipilih).\n"
     "                         Contoh:\n"
     "                         --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          Dengan --enable-xml-output, pasang di latar depan dan\n"
     "                         tunggu sehingga pemasangan tamat.\n"
     "\n"},
    {"usage_web",
     " Pilihan antara muka web:\n"
     "--web-interface      Jalankan bestari pemasangan dalam pelayar web dan bukannya\n"
     "                         dalam konsol. Bestari disediakan pada port 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Fail dengan sijil dan kunci persendirian untuk HTTPS.\n"
     "                         Secara lalai, sijil yang ditandatangani sendiri\n"
     "                         dibuat.\n"
     "\n"
     "    --without-ssl        Sediakan antara muka web melalui HTTP biasa.\n"
     "\n"},
    {"usage_override",
     " Pilihan yang mengatasi sistem pengendalian yang dikesan:\n"
     "--override-os-name <arg>\n"
     "                         Gunakan nama sistem pengendalian yang diberi dan\n"
     "                         bukannya yang dikesan.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Gunakan vendor sistem pengendalian yang diberi dan\n"
     "                         bukannya yang dikesan.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Gunakan versi sistem pengendalian yang diberi dan\n"
     "                         bukannya yang dikesan.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Gunakan seni bina yang diberi dan bukannya yang\n"
     "                         dikesan.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Gunakan persekitaran yang diberi dan bukannya yang\n"
     "                         dikesan: 'dedicated' atau 'cq'.\n"
     "\n"},
    {"usage_console",
     " Pilihan antara muka konsol interaktif:\n"
     "--no-clear           Jangan kosongkan skrin apabila beralih antara halaman\n"
     "                         bestari.\n"
     "\n"},
    {"usage_feedback",
     " Pilihan maklum balas:\n"
     "--enable-feedback    Benarkan Pemasang Zarni menghantar laporan ralat kepada\n"
     "pembangun Zarni apabila masalah berlaku.\n"
     "\n"
     "    --disable-feedback   Jangan hantar laporan ralat. Pemasang Zarni mengingati\n"
     "    pilihan ini untuk larian seterusnya.\n"
     "\n"},
    {"usage_logging",
     " Pilihan pengelogan dan pemberitahuan:\n"
     "--notify-email <email>\n"
     "                         Apabila Pemasang Zarni selesai, hantar laporan tentang\n"
     "                         hasilnya ke alamat e-mel yang diberi.\n"
     "\n"
     "    --truncate-log       Kosongkan fail log Pemasang Zarni semasa bermula.\n"
     "\n"
     "    --separate-logs      Tulis fail log berasingan untuk setiap larian\n"
     "                         Pemasang Zarni.\n"
     "\n"
     "    --debug              Tulis maklumat nyahpepijat ke fail log.\n"
     "\n"},
    {"usage_help",
     " Pilihan bantuan dan versi Pemasang Zarni:\n"
     "--version            Paparkan versi Pemasang Zarni.\n"
     "\n"
     "    --usage,\n"
     "    --help               Paparkan gambaran keseluruhan antara muka berdasarkan\n"
     "                         perintah.\n"
     "\n"
     "    --help-options       Paparkan bantuan ini tentang antara muka berdasarkan\n"
     "                         pilihan.\n"
     "\n"},
    {"usage_obsolete",
     " Pilihan usang:\n"
     "--disable-zarni-sys-updates\n"
     "Dahulu digunakan untuk mematikan kemas kini sistem pengendalian yang dihantar\n"
     "bersama Zarni. Pilihan ini masih diterima tetapi tidak lagi mengubah apa yang\n"
     "dipasang.\n"
     "\n"
     "    --install-everything\n"
     "    Pasang semua komponen keluaran produk yang dipilih. Sebagai gantinya,\n"
     "    gunakan --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>     Sama seperti --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "    Sama seperti --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Pilihan yang tidak digunakan lagi (diterima, tetapi diabaikan dengan amaran):\n"
     "--source-type        Dahulu digunakan untuk menetapkan jenis sumber pemasangan.\n"
     "Jenisnya kini dikenal pasti daripada nilai --source.\n"
     "\n"
     "    --add-source        Dahulu digunakan untuk menambah sumber pakej tambahan.\n"
     "\n"
     "    --show-additional-source-types\n"
     "    Dahulu digunakan untuk menyenaraikan jenis sumber pakej tambahan.\n"
     "\n"
     "    --show-additional-sources\n"
     "    Dahulu digunakan untuk menyenaraikan sumber pakej tambahan.\n"
     "\n"
     "    --mirror-os          Dahulu digunakan untuk mencerminkan versi produk bagi\n"
     "    sistem pengendalian lain.\n"
     "\n"
     "    --install-system-only\n"
     "    Dahulu digunakan untuk memasang hanya pakej sistem Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "    Dahulu digunakan untuk membenarkan pemasangan pakej kernel.\n"
     "\n"
     "    --disable-major-updates\n"
     "    Dahulu digunakan untuk menghalang naik taraf kepada keluaran utama baharu.\n"
     "    Sebagai gantinya, pilih keluaran dengan --select-release-id atau\n"
     "    dengan --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "    Dahulu digunakan untuk menaik taraf pakej sistem pengendalian juga.\n"
     "\n"
     "    --reinstall-patch    Dahulu digunakan untuk memasang semula tampung terkini\n"
     "    bagi produk yang dipilih. Antara muka berdasarkan perintah juga\n"
     "    mengabaikan --repatch dengan cara yang sama.\n"
     "\n"
     "    --skip-patch         Dahulu digunakan untuk melangkau pemasangan tampung.\n"
     "    Antara muka berdasarkan perintah mengabaikannya dengan cara yang sama.\n"
     "\n"
     "    --no-space-check        Dahulu digunakan untuk melangkau semakan ruang\n"
     "    cakera kosong.\n"
     "\n"},
    {"usage_end", "Lihat 'installer help' untuk maklumat tentang antara muka berdasarkan perintah.\n"},
    {"usage_commands",
     "Penggunaan: installer COMMAND [OPTIONS]\n"
     "\n"
     "Perintah:\n"
     "    list      Senaraikan produk, keluaran, praset dan komponen yang tersedia\n"
     "    list-all  Senaraikan semua produk yang tersedia dan keluarannya\n"
     "    install   Pasang keluaran produk\n"
     "    update    Pasang kemas kini terkini bagi produk yang dipasang\n"
     "    add       Tambah komponen pada produk yang dipasang\n"
     "    remove    Alih keluar komponen daripada produk yang dipasang\n"
     "    upgrade   Naik taraf produk yang dipasang kepada keluaran lain\n"
     "    stop      Hentikan Pemasang Zarni yang sedang berjalan\n"
     "    version   Paparkan versi Pemasang Zarni\n"
     "    help      Paparkan bantuan tentang sesuatu perintah\n"
     "\n"
     "Lihat 'installer help COMMAND' untuk bantuan tentang perintah tertentu.\n"
     "Lihat 'installer --help-options' untuk bantuan tentang antara muka pilihan.\n"},
    {"usage_cmd_prefix", "Penggunaan: installer "},
    {"usage_cmd_version", "Paparkan versi Pemasang Zarni."},
    {"usage_cmd_help",
     "Tanpa COMMAND, senaraikan perintah. Dengan COMMAND, paparkan bantuan perintah\n"
     "tersebut; tambah --verbose (-v) untuk melihat lebih banyak pilihannya."},
    {"usage_cmd_list_all", "Senaraikan semua produk yang tersedia dan keluarannya."},
    {"usage_cmd_list",
     "Senaraikan produk dan keluaran yang tersedia. Untuk keluaran yang tepat (ID\n"
     "keluaran, atau ID produk dan versi), senaraikan praset pemasangannya\n"
     "(--presets), komponennya (--components, bersama tetapannya apabila --options\n"
     "ditambah) atau konfigurasi pengurus pakej sistem untuknya (--sources)."},
    {"usage_cmd_install",
     "Pasang keluaran produk. Tanpa pemilih, keluaran Zarni terkini yang tersedia\n"
     "akan dipasang. Pilih komponen dengan praset (--preset, yang boleh dilaraskan\n"
     "dengan --with dan --without) atau namakannya dengan --components."},
    {"usage_cmd_upgrade",
     "Naik taraf produk yang dipasang kepada keluaran lain. Namakan keluaran dengan\n"
     "ID keluarannya, dengan ID produk dan versi, atau dengan ID produk dan\n"
     "peringkat (keluaran terkini bagi peringkat itu diambil). Tanpa keluaran yang\n"
     "tepat, keluaran yang tersedia akan disenaraikan."},
    {"usage_cmd_update",
     "Pasang kemas kini terkini bagi semua produk yang dipasang, atau bagi PRODUCT\n"
     "sahaja, tanpa menaik tarafnya kepada keluaran lain."},
    {"usage_cmd_add", "Tambah komponen pada produk yang dipasang."},
    {"usage_cmd_remove", "Alih keluar komponen daripada produk yang dipasang."},
    {"usage_cmd_add_remove_tail", "PRODUCT boleh ditinggalkan apabila hanya satu produk dipasang.\n"},
    {"usage_cmd_stop",
     "Hentikan Pemasang Zarni yang sedang berjalan. Ia berhenti pada titik selamat\n"
     "seterusnya; dengan --terminate ia berhenti walaupun semasa pakej sedang\n"
     "dipasang."},
    {"usage_components",
     "COMPONENTS ialah senarai ID komponen. Pisahkan dengan ruang kosong atau koma,\n"
     "atau ulangi pilihan:\n"
     "--components panel horde\n"
     "--components panel,horde\n"
     "--components panel --components horde\n"},
    {"usage_verbose",
     "Tambah '--verbose' (atau '-v') untuk melihat lebih banyak pilihan, '--verbose=2'\n"
     "untuk melihat semua pilihan."},
    {"usage_hdr_command_opts", "Pilihan perintah"},
    {"usage_hdr_general_opts", "Pilihan umum"},
    {"usage_hdr_download_opts", "Pilihan muat turun"},
    {"usage_hdr_proxy_opts", "Pilihan proksi"},
    {"usage_hdr_skip_opts", "Pilihan yang melangkau langkah"},
    {"usage_hdr_env_opts", "Pilihan yang mengatasi sistem pengendalian"},
    {"usage_opt_source",
     "Sumber pemasangan: URL pelayan kemas kini atau cermin, atau laluan mutlak direktori tempatan"},
    {"usage_opt_target", "Direktori untuk fail yang dimuat turun"},
    {"usage_opt_tries", "Bilangan cubaan semula muat turun yang gagal (lalai: 3)"},
    {"usage_opt_ext", "URL Katalog Sambungan yang digunakan dan bukannya katalog yang dinamakan oleh produk"},
    {"usage_opt_proxy_host", "Nama hos atau alamat IP pelayan proksi"},
    {"usage_opt_proxy_port", "Port pelayan proksi (lalai: 3128)"},
    {"usage_opt_proxy_user", "Nama pengguna untuk pengesahan proksi"},
    {"usage_opt_proxy_pass", "Kata laluan untuk pengesahan proksi"},
    {"usage_opt_skip_examine", "Jangan jalankan semakan komponen dan produk sebelum dan selepas pemasangan"},
    {"usage_opt_skip_gpg", "Jangan sahkan tandatangan GPG pakej"},
    {"usage_opt_skip_cleanup", "Kekalkan konfigurasi repositori pakej apabila pemasang keluar"},
    {"usage_opt_no_self_upgrade", "Jangan gantikan Pemasang Zarni dengan versi dirinya yang lebih baharu atau lebih lama"},
    {"usage_opt_help", "Paparkan bantuan perintah"},
    {"usage_opt_xml", "Cetak jawapan dan mesej status dalam format XML"},
    {"usage_opt_debug", "Tulis maklumat nyahpepijat ke fail log"},
    {"usage_opt_truncate_log", "Kosongkan fail log Pemasang Zarni semasa bermula"},
    {"usage_opt_separate_log", "Tulis fail log berasingan untuk setiap larian Pemasang Zarni"},
    {"usage_opt_email", "Apabila Pemasang Zarni selesai, hantar laporan tentang hasilnya ke alamat e-mel ini"},
    {"usage_opt_verbose", "Paparkan lebih banyak pilihan dalam bantuan: 1 untuk lebih banyak pilihan, 2 untuk semua pilihan"},
    {"usage_opt_completion", "Cetak pilihan perintah untuk pelengkapan shell (JSON)"},
    {"usage_opt_override_os_name", "Nama sistem pengendalian yang digunakan dan bukannya yang dikesan"},
    {"usage_opt_override_os_vendor", "Vendor sistem pengendalian yang digunakan dan bukannya yang dikesan"},
    {"usage_opt_override_os_version", "Versi sistem pengendalian yang digunakan dan bukannya yang dikesan"},
    {"usage_opt_override_os_arch", "Seni bina yang digunakan dan bukannya yang dikesan"},
    {"usage_opt_override_env", "Persekitaran yang digunakan dan bukannya yang dikesan: 'dedicated' atau 'cq'"},
    {"usage_opt_list_presets", "Senaraikan praset pemasangan keluaran"},
    {"usage_opt_list_components", "Senaraikan komponen keluaran"},
    {"usage_opt_list_options", "Dengan --components, paparkan juga tetapan setiap komponen"},
    {"usage_opt_dry_run",
     "Jangan ubah apa-apa; hanya paparkan pakej yang akan dipasang [I], dinaik taraf [U] atau dialih keluar [R]"},
    {"usage_opt_install_preset",
     "Pasang komponen praset ini (jenis pemasangan), contohnya 'Recommended' atau 'Full'"},
    {"usage_opt_install_with", "Komponen untuk dipasang sebagai tambahan kepada praset"},
    {"usage_opt_install_without", "Komponen praset yang tidak dipasang"},
    {"usage_opt_install_components", "Komponen untuk dipasang, dan bukannya praset"},
    {"usage_opt_install_options", "Tetapan komponen, setiap satu diberi sebagai name=value"},
    {"usage_opt_update_panel_only",
     "Pasang hanya kemas kini Zarni itu sendiri, bukan perkhidmatan lain yang diurus oleh Zarni"},
    {"usage_opt_addremove_components", "Komponen untuk ditambah atau dialih keluar"},
    {"usage_opt_stop_terminate",
     "Hentikan Pemasang Zarni walaupun semasa pakej sedang dipasang (hantar SIGTERM dan bukannya SIGHUP)"},
    {"error_supp_need", "Anda boleh mencari penyelesaian di laman sokongan Zarni di https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "Windows Server 2003 tidak lagi disokong oleh Zarni. "
     "Menurut dasar kitaran hayat Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami mengesyorkan agar anda menggunakan versi sistem pengendalian yang lebih baharu."},
    {"os_win2008_not_supported_product_installed",
     "Windows Server 2008 tidak lagi disokong oleh Zarni. "
     "Menurut dasar kitaran hayat Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami mengesyorkan agar anda menggunakan versi sistem pengendalian yang lebih baharu. "
     "Untuk memindahkan Zarni ke pelayan dengan sistem pengendalian yang disokong, ikut panduan pemindahan (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed",
     "Windows Server 2008 tidak lagi disokong oleh Zarni. "
     "Menurut dasar kitaran hayat Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami mengesyorkan agar anda menggunakan versi sistem pengendalian yang lebih baharu."},
    {"os_win2008r2_not_supported_product_installed",
     "Windows Server 2008 R2 tidak lagi disokong oleh Zarni. "
     "Menurut dasar kitaran hayat Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami mengesyorkan agar anda menggunakan versi sistem pengendalian yang lebih baharu. "
     "Untuk memindahkan Zarni ke pelayan dengan sistem pengendalian yang disokong, ikut panduan pemindahan (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed",
     "Windows Server 2008 R2 tidak lagi disokong oleh Zarni. "
     "Menurut dasar kitaran hayat Zarni (https://www.zarni.example/legal/lifecycle-policy/), kami mengesyorkan agar anda menggunakan versi sistem pengendalian yang lebih baharu."},
};

}  // namespace

void loadInstallerMessages_ms_MY(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
