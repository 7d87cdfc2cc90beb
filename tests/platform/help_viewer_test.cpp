#include "platform/gui/help_viewer.h"

#include <gtest/gtest.h>

TEST(HelpViewer, TopicsAreHtmlPagesBesideTheHelpFile)
{
    EXPECT_EQ(platform::HelpTopicPage("/opt/atomara/atomara.hlp", 3), "/opt/atomara/help/atomara/3.html");
    EXPECT_EQ(platform::HelpTopicPage("/opt/convert/CONVENG.HLP", 0), "/opt/convert/help/conveng/index.html");
}
