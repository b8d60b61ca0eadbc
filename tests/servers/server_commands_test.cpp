#include "servers/server_commands.h"

#include <gtest/gtest.h>

using namespace wertan;

TEST(ServerCommands, KnownServersRunTheirProgramsInTheFolder) {
    HttpServerSettings http;
    http.apacheFolder = "/usr/sbin";
    DataServerSettings data;
    data.mysqlFolder = "/usr/bin/"; // a trailing separator gives a doubled one, which is kept
    const struct {
        ServerCommand command;
        ServerCommand expected;
    } cases[] = {
        {apacheStartCommand(http),
         {QStringLiteral("/usr/sbin/apachectl"), {QStringLiteral("-k"), QStringLiteral("start")}}},
        {apacheStopCommand(http),
         {QStringLiteral("/usr/sbin/apachectl"), {QStringLiteral("-k"), QStringLiteral("stop")}}},
        {mysqlStartCommand(data), {QStringLiteral("/usr/bin//mysqld_safe"), {}}},
        // mysqladmin without an extension, with its three arguments.
        {mysqlStopCommand(data),
         {QStringLiteral("/usr/bin//mysqladmin"),
          {QStringLiteral("-u"), QStringLiteral("root"), QStringLiteral("shutdown")}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.command.program, c.expected.program);
        EXPECT_EQ(c.command.arguments, c.expected.arguments) << c.expected.program.toStdString();
    }
}

// Parameters are split into arguments, never given to a shell: quotes group, nothing else is special.
TEST(ServerCommands, ParametersAreSplitWithoutAShell) {
    const struct {
        const char* text;
        QStringList arguments;
    } cases[] = {
        {"", {}},
        {"  -k   start ", {QStringLiteral("-k"), QStringLiteral("start")}},
        {"-f \"/etc/my server/httpd.conf\"",
         {QStringLiteral("-f"), QStringLiteral("/etc/my server/httpd.conf")}},
        {"a;rm -rf ~ $(id) `x` | y > z",
         {QStringLiteral("a;rm"), QStringLiteral("-rf"), QStringLiteral("~"), QStringLiteral("$(id)"),
          QStringLiteral("`x`"), QStringLiteral("|"), QStringLiteral("y"), QStringLiteral(">"),
          QStringLiteral("z")}},
        {"say \"\"\"hi\"\"\"", {QStringLiteral("say"), QStringLiteral("\"hi\"")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitParameters(QString::fromUtf8(c.text)), c.arguments) << c.text;

    CustomServerPrograms custom{"/opt/my srv/start", "--port 81 \"x y\"", "/opt/stop", ""};
    const ServerCommand start = customStartCommand(custom);
    EXPECT_EQ(start.program, QStringLiteral("/opt/my srv/start"));
    EXPECT_EQ(start.arguments,
              (QStringList{QStringLiteral("--port"), QStringLiteral("81"), QStringLiteral("x y")}));
    EXPECT_TRUE(customStopCommand(custom).arguments.isEmpty());
}

// Of each server's pairs only the one of its type shows; the tool bar fits Apache or the built-in
// server with mySQL.
TEST(ServerCommands, MenuShowsThePairsOfTheTypes) {
    const struct {
        HttpServerType http;
        DataServerType data;
        ServerMenuState expected;
    } cases[] = {
        {HttpServerType::Apache, DataServerType::MySql, {true, false, false, true, false, true}},
        {HttpServerType::Custom, DataServerType::MySql, {false, true, false, true, false, false}},
        {HttpServerType::BuiltInPhp, DataServerType::MySql, {false, false, true, true, false, true}},
        {HttpServerType::Apache, DataServerType::Custom, {true, false, false, false, true, false}},
        {HttpServerType::BuiltInPhp, DataServerType::Custom, {false, false, true, false, true, false}},
    };
    for (const auto& c : cases) {
        HttpServerSettings http;
        http.type = c.http;
        DataServerSettings data;
        data.type = c.data;
        EXPECT_EQ(serverMenuState(http, data), c.expected) << int(c.http) << " " << int(c.data);
    }
}
