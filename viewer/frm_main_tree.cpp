// A click on a channel node plays the channel and opens its guide.
#include "viewer/channel_selection.h"
#include "viewer/frm_main.h"

void frmMain::TreeView1_NodeClick(const zel::TreeNode& Node) {
  zel::SelectChannel(Node.Key(), wmp1, WebBrowser1);
}
