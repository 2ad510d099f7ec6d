# The form's pictures: the button faces (four frames each), the player strip,
# the title and the function bar's wallpaper.
set(form_picture_names arrow1 arrow2 arrow3 arrow4 arrow5 arrow6 auto autoend test testend order
    orderend newsup newsdown movebtn hintbtn hintxbtn bbtn wbtn bwbtn printbtn playerstrip title
    wallpaper)
