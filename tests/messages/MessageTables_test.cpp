#include "messages/MessageLoaders.h"
#include "tests/messages/TranslationTables.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>

#include <functional>
#include <map>
#include <set>
#include <string>

namespace {

using translation::Loader;
using translation::tableOf;

// Keys that callers format with arguments, and how many they pass.
const std::map<std::string, int> kArguments = {
    // common set
    {"err_bad_keypackages", 1}, {"err_bad_regexp", 2}, {"err_binf3_build", 1}, {"err_binf3_compkey", 1},
    {"err_binf3_comps", 1}, {"err_bool_val", 2}, {"err_cmd_override", 2}, {"err_comprem_required", 1},
    {"err_comps_not_found", 1}, {"err_comps_not_found_in_prod", 2}, {"err_comp_instalr", 1},
    {"err_comp_notavail", 1}, {"err_comp_required", 1}, {"err_comp_uninstall_not_supported", 1},
    {"err_config_parse", 2}, {"err_copy1", 1}, {"err_copy2", 2}, {"err_copy3", 2}, {"err_deb_info_apt_cache", 1},
    {"err_deps_badpkg", 1}, {"err_deps_install_build", 2}, {"err_deps_resolve_build", 1}, {"err_downgrade", 1},
    {"err_download_mkdir", 1}, {"err_dpkg_arch_register", 2}, {"err_dpkg_interrupted", 2}, {"err_empty_comp", 1}, {"err_empty_output", 1},
    {"err_examine_launch_failed", 1}, {"err_exec_cmd", 1}, {"err_exec_cmd_not_found", 1},
    {"err_exec_dpkg_arch_register", 1}, {"err_exec_non_zero", 2}, {"err_ext_catalog_collect_packages", 1},
    {"err_ext_catalog_feed_parse", 1}, {"err_ext_catalog_feed_parse_item", 1}, {"err_ext_package_install", 3},
    {"err_ext_package_remove", 3}, {"err_fileread1", 2}, {"err_fileread2", 2}, {"err_filewrite1", 2},
    {"err_filewrite2", 2}, {"err_file_create", 1}, {"err_incompatible_products", 2}, {"err_inf3_bcfg", 2},
    {"err_inf3_noid", 1}, {"err_inf3_nonprod", 1}, {"err_inf3_norel", 1}, {"err_inf3_osarch", 2},
    {"err_inf3_osname", 2}, {"err_inf3_osver", 2}, {"err_inf3_parse", 2}, {"err_inf3_relid", 2},
    {"err_inf3_relname", 2}, {"err_inf3_relver", 2}, {"err_inf3_root", 1}, {"err_inf3_upgalw", 2},
    {"err_inf3_vndr", 2}, {"err_lock_failed", 2}, {"err_lock_file", 2}, {"err_lock_shutdown", 1},
    {"err_lock_test", 2}, {"err_md5_pre", 1}, {"err_misfile", 1}, {"err_misheaders", 2}, {"err_mispkg", 1},
    {"err_missing_attr", 1}, {"err_mk5check", 3}, {"err_mkdir", 2}, {"err_no_product_id", 1},
    {"err_no_release_id", 2}, {"err_opendir", 2}, {"err_opt_conflict", 2}, {"err_opt_need_prod_id", 1},
    {"err_opt_no_rel_for_version_in_prod_id", 2}, {"err_opt_no_rel_id", 1}, {"err_opt_only_prod_id_selector", 1},
    {"err_opt_panel_only_requires_zarni", 2}, {"err_opt_parse_add", 1}, {"err_opt_requires", 2},
    {"err_opt_selector_ambigous", 1}, {"err_opt_selector_multiple_prod_ids", 1},
    {"err_opt_selector_multiple_rel_ids", 1}, {"err_opt_selector_multiple_versions", 1},
    {"err_opt_selector_no_match", 1}, {"err_opt_selector_rel_id_and_version", 2}, {"err_opt_unknown_command", 1}, {"err_opt_unknown_preset", 2},
    {"err_opt_version_requires_prod_id", 1}, {"err_param_invalid", 2}, {"err_pkgopen", 1}, {"err_pkgread", 1},
    {"err_pkgread_rpmts", 1}, {"err_pkg_dwnld", 2}, {"err_pkg_instadd", 1}, {"err_prod_keypkg", 1},
    {"err_prod_nocurrent", 1}, {"err_prod_ver_already_installed", 2}, {"err_rcfile_open", 1}, {"err_rc_eqsign", 1},
    {"err_rc_line", 1}, {"err_rc_value", 1}, {"err_rel_nocurrent", 1}, {"err_retry_arg", 1}, {"err_rmfile2", 2},
    {"err_rpmtrans_fork", 1}, {"err_rpmtrans_noblock", 1}, {"err_rpmtrans_pipe", 1},
    {"err_selfupg_avail_ver_too_low", 1}, {"err_spsepval", 1}, {"err_syscache_open", 1}, {"err_syscache_read", 1},
    {"err_unable_to_satisfy_version", 1}, {"err_unlock_failed", 2}, {"err_unsafe_path", 1}, {"param_password_too_long", 1},
    {"param_password_too_short", 1},
    // installer set
    {"download_total_progress", 2}, {"download_retry_progress", 2}, {"download_retry", 2},
    {"dpkg_register_new_arch", 1}, {"examine_signal", 1}, {"examine_time_limit", 1}, {"releases_no_avail", 1}, {"insttypes_page_hdr1", 1},
    {"components_page_body2", 1}, {"components_page_num_selected", 2}, {"options_page_body2", 1},
    {"options_page_body5", 1}, {"packages_page_body_install", 1}, {"packages_page_body_upgrade", 1},
    {"packages_page_body_remove", 1}, {"warn_deprecated_option", 1}, {"err_dep_from_pkg_unresolved", 2},
    {"err_pkg_downgrade", 3}, {"err_pkg_clash", 2}, {"err_pkg_fileconfl", 1}, {"err_pkg_depconfl", 2},
    {"pkg_select_reason", 1}, {"pkg_select_depend", 2}, {"deps_long_report", 1}, {"goto_webinterface_url", 1},
    {"upgrade_from_not_supported_versions", 3}, {"old_format_api_ext_catalog_feed", 2},
    {"confirm_uninstallation", 1}, {"confirm_uninstallation_title", 1},
    // web set
    {"web_releases_no_avail", 1},
};

struct Set {
    const char* name;
    Loader loader;
    std::size_t size;
};

const Set kEnglishSets[] = {
    {"installer", loadInstallerMessages_en_US, 256},
    {"web", loadWebMessages_en_US, 130},
    {"common", loadCommonMessages_en_US, 229},
};

TEST(MessageTables, EnglishSetsHaveTheirKeysOnce)
{
    std::set<std::string> all;
    std::size_t total = 0;
    for (const Set& set : kEnglishSets) {
        SCOPED_TRACE(set.name);
        const auto table = tableOf(set.loader);
        EXPECT_EQ(table.size(), set.size);
        total += table.size();
        for (const auto& pair : table) all.insert(pair.first);
    }
    EXPECT_EQ(all.size(), total) << "a key stands in two sets";
    EXPECT_EQ(Messages::messages_rep("C").messages.size(), total);
}

TEST(MessageTables, WebKeysAndCommonKeysKeepTheirPrefixes)
{
    for (const auto& pair : tableOf(loadWebMessages_en_US)) EXPECT_EQ(pair.first.rfind("web_", 0), 0u) << pair.first;
    for (const auto& pair : tableOf(loadCommonMessages_en_US))
        EXPECT_TRUE(pair.first.rfind("err_", 0) == 0 || pair.first.rfind("param_", 0) == 0) << pair.first;
    const auto web = tableOf(loadWebMessages_en_US);
    EXPECT_EQ(web.count("web_copyright"), 1u);
    EXPECT_EQ(web.count("web_confirm_continue_upgrade"), 1u);
}

// Formats the text with the number of arguments its callers pass; every format error raises.
void formatWith(const std::string& key, const std::string& text, int arguments, bool surplusAllowed)
{
    boost::format format(text);
    if (surplusAllowed) format.exceptions(boost::io::all_error_bits ^ boost::io::too_many_args_bit);
    for (int i = 0; i < arguments; ++i) format % ("<arg" + std::to_string(i + 1) + ">");
    const std::string result = format.str();
    for (int i = 0; i < arguments && !surplusAllowed; ++i)
        EXPECT_NE(result.find("<arg" + std::to_string(i + 1) + ">"), std::string::npos) << key;
}

TEST(MessageTables, EveryTextFormatsWithItsArguments)
{
    for (const Set& set : kEnglishSets) {
        for (const auto& pair : tableOf(set.loader)) {
            const std::string& key = pair.first;
            SCOPED_TRACE(key);
            const bool help = key.rfind("usage_", 0) == 0;
            const auto expected = kArguments.find(key);
            // The command help formats every help text with the product id, an example
            // version and an example release id, and uses as many as the text names.
            const int arguments = help ? 3 : (expected == kArguments.end() ? 0 : expected->second);
            EXPECT_NO_THROW(formatWith(key, pair.second, arguments, help));
        }
    }
    for (const auto& expected : kArguments) {
        bool found = false;
        for (const Set& set : kEnglishSets) found = found || tableOf(set.loader).count(expected.first);
        EXPECT_TRUE(found) << expected.first;
    }
}

TEST(MessageTables, TextsThatAreJoinedKeepTheirEdges)
{
    Messages::messages_rep english("C");
    auto text = [&](const char* key) { return english.getMessage(key); };
    EXPECT_EQ(text("err_exec_cmd").front(), ' ');
    for (const char* key : {"err_cache_unexpend", "err_lock_shutdown", "err_file_create", "err_opt_conflict"})
        EXPECT_NE(text(key).back(), '.') << key;
    for (const char* key : {"err_stopped_by_user", "err_comps_not_found", "err_opt_selector_no_match",
                            "err_opt_selector_ambigous", "err_cmd_upgrade_no_smth", "err_deps_conflict",
                            "err_rc_ignored", "err_rc_param", "err_self_upgrade_failed",
                            "err_deps_deny_implicit_remove", "download_total_progress", "check_system_packages",
                            "read_system_packages", "components_install_also", "retype_password"})
        EXPECT_EQ(text(key).back(), ' ') << key;
    EXPECT_EQ(text("err_deps_nochance"), text("err_bad_deps"));
    EXPECT_EQ(text("err_examine_stopped").substr(0, 2), "\n ");
    EXPECT_EQ(text("err_unkn_arg").back(), '\n');
    EXPECT_EQ(text("download_retry_progress").front(), ' ');
    EXPECT_EQ(text("pkg_select_depend").substr(0, 5), "    \"");
    EXPECT_EQ(text("error_rep_none"), "");
    EXPECT_EQ(text("error_supp_maybe").rfind(text("error_supp_none") + "\n", 0), 0u);
    EXPECT_EQ(text("web_iup_cancel_confirm"), text("web_install_cancel_confirm"));
    EXPECT_EQ(text("web_iup_cancel_confirm"), "Product installation was not finished.\\nCancel anyway?");
    EXPECT_EQ(text("web_components_group_hint_selected"), "(#{selected} of #{total} selected)");
    const std::string stopped =
        (boost::format(text("err_exec_non_zero")) % "dpkg" % 2).str() + (boost::format(text("err_exec_cmd")) % "dpkg -i x").str();
    EXPECT_EQ(stopped, "The external command 'dpkg' exited with non-zero status 2. Full command was: dpkg -i x");
}

TEST(MessageTables, WizardLegendsStartWithTheirCommandLetter)
{
    const std::pair<const char*, const char*> legends[] = {
        {"wizard_legend_f_forward", "(F) "},       {"wizard_legend_f_forward_specify_params", "(F) "},
        {"wizard_legend_f_forward_skip_params", "(F) "}, {"wizard_legend_b_back", "(B) "},
        {"wizard_legend_q_quit", "(Q) "},          {"wizard_legend_s_advanced_settings", "(S) "},
        {"wizard_legend_s_show_packages", "(S) "}, {"wizard_legend_a_select_all", "(A) "},
        {"wizard_legend_d_deselect_all", "(D) "},  {"wizard_legend_u_specify_undefined_params", "(U) "},
        {"wizard_legend_r_redefine_params_all", "(R) "}, {"wizard_legend_r_redefine_params_one", "(R) "},
    };
    Messages::messages_rep english("C");
    for (const auto& legend : legends)
        EXPECT_EQ(english.getMessage(legend.first).rfind(legend.second, 0), 0u) << legend.first;
}

// The texts printed as blocks on the console: the help pages and the two long
// warnings. The option descriptions are single lines that the option library wraps.
bool isConsoleBlock(const std::string& key)
{
    if (key.rfind("usage_opt_", 0) == 0) return false;
    return key.rfind("usage_", 0) == 0 || key == "warn_apt_cdrom_in_source" || key == "err_ssl_strong_recomended";
}

TEST(MessageTables, EnglishConsoleBlocksFitEightyColumns)
{
    Messages::messages_rep english("C");
    for (const auto& pair : english.messages) {
        if (!isConsoleBlock(pair.first)) continue;
        std::size_t start = 0;
        for (std::size_t end = pair.second.find('\n'); start <= pair.second.size();
             end = pair.second.find('\n', start)) {
            if (end == std::string::npos) end = pair.second.size();
            EXPECT_LE(end - start, 80u) << pair.first << ": " << pair.second.substr(start, end - start);
            start = end + 1;
        }
    }
}

// Every option that a text tells the operator about is one the help describes: on
// an option line of a help section, or in the command help.
TEST(MessageTables, EveryOptionNamedIsInTheHelp)
{
    EXPECT_EQ(translation::describedOptions().count("--interactive-uninstall"), 1u);
    for (translation::Set set : translation::allSets())
        for (const auto& pair : translation::englishTable(set))
            for (const std::string& named : translation::optionsIn(pair.second))
                EXPECT_TRUE(translation::describedOptions().count(named) ||
                            translation::optionsOfOtherPrograms().count(named))
                    << pair.first << " names " << named;
}

// The translated loaders exist for every language and only ever add keys of their own set.
TEST(MessageTables, TranslatedLoadersStayInsideTheirSets)
{
    const std::set<std::string> englishOnly = {"usage_opt_list_sources", "releases_install_latest_update",
                                               "releases_add_remove_components", "os_win_workstation_not_supported",
                                               "old_format_api_ext_catalog_feed"};
#define KW_CHECK_LANGUAGE(code)                                                                             \
    {                                                                                                       \
        SCOPED_TRACE(#code);                                                                                \
        const auto installer = tableOf(loadInstallerMessages_en_US);                                        \
        for (const auto& pair : tableOf(loadInstallerMessages_##code)) {                                    \
            EXPECT_EQ(installer.count(pair.first), 1u) << pair.first;                                       \
            if (std::string(#code) != "en_US") { EXPECT_EQ(englishOnly.count(pair.first), 0u) << pair.first; } \
        }                                                                                                   \
        const auto web = tableOf(loadWebMessages_en_US);                                                    \
        for (const auto& pair : tableOf(loadWebMessages_##code)) EXPECT_EQ(web.count(pair.first), 1u);      \
        const auto common = tableOf(loadCommonMessages_en_US);                                              \
        for (const auto& pair : tableOf(loadCommonMessages_##code)) EXPECT_EQ(common.count(pair.first), 1u); \
    }
    KW_MESSAGE_LANGUAGES(KW_CHECK_LANGUAGE)
#undef KW_CHECK_LANGUAGE
}

}  // namespace
